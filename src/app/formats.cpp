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

QDate parseDate(QStringView text) {
    // The stored form "dd/mm/yyyy" without building parts: list scans parse many dates.
    if (text.size() == 10 && text[2] == kDateSeparator && text[5] == kDateSeparator) {
        int value[3] = {0, 0, 0};
        bool digits = true;
        for (int i : {0, 1, 3, 4, 6, 7, 8, 9}) {
            const char16_t c = text[i].unicode();
            digits = digits && c >= u'0' && c <= u'9';
            int& v = value[i < 2 ? 0 : i < 5 ? 1 : 2];
            v = v * 10 + (c - u'0');
        }
        if (digits)
            return QDate(value[2], value[1], value[0]);
    }
    const QList<QStringView> parts = text.split(kDateSeparator);
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
