#include "app/formats.h"

#include <QLocale>

namespace formats {

void applyProcessWide() {
    // Italian conventions whatever the machine's own settings; the code writes dates and
    // amounts explicitly, so this only affects what Qt formats by itself.
    QLocale italian(QLocale::Italian, QLocale::Italy);
    italian.setNumberOptions(QLocale::OmitGroupSeparator);
    QLocale::setDefault(italian);
}

QString date(const QDate& d) {
    return d.toString(QStringLiteral("dd/MM/yyyy"));
}

QDate parseDate(const QString& text) {
    const QStringList parts = text.split(kDateSeparator);
    if (parts.size() != 3)
        return {};
    bool okDay = false, okMonth = false, okYear = false;
    const int day = parts[0].toInt(&okDay);
    const int month = parts[1].toInt(&okMonth);
    const int year = parts[2].toInt(&okYear);
    if (!okDay || !okMonth || !okYear)
        return {};
    return QDate(year, month, day);
}

} // namespace formats
