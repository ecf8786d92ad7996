#include "analysis/monthly_costs.h"

#include "costs/cost_record.h"
#include "costs/cost_rules.h"
#include "records/record_file.h"
#include "records/text_rules.h"

namespace monthly_costs {

Sums::Sums(const QString& year) : m_year(text::trimmed(year)) {}

QString Sums::text(int month) const {
    // Only the last running sum is ever seen, so it is written once, on request.
    const auto m = static_cast<std::size_t>(month);
    return m_counted[m] ? cost_rules::shortestText(m_sums[m]) : QStringLiteral("0");
}

int Sums::monthOf(QStringView date) const {
    // Month and year stand at fixed places of the date text; anything else there is not
    // a date of this year.
    const QString padded = text::trimmed(date.toString()) + QString(10, u' ');
    if (text::trimmed(padded.mid(6, 4)) != m_year)
        return -1;
    const QString month = text::trimmed(padded.mid(3, 2));
    const auto digit = [](QChar c) { return c >= u'0' && c <= u'9'; };
    if (month.size() != 2 || !digit(month[0]) || !digit(month[1]))
        return -1;
    const int number = (month[0].unicode() - u'0') * 10 + (month[1].unicode() - u'0');
    return number >= 1 && number <= kMonths ? number - 1 : -1;
}

bool Sums::add(int month, const QString& amount) {
    const std::optional<double> value = cost_rules::readAmount(amount);
    if (month < 0 || month >= kMonths || !value)
        return false;
    const auto m = static_cast<std::size_t>(month);
    m_sums[m] += *value;
    m_counted[m] = true;
    return true;
}

Sums read(RecordFile& file, const QString& year) {
    Sums sums(year);
    const RecordLayout& layout = TSchedaCosto::layout();
    file.scan([&](qint64, QByteArrayView record) {
        const int month = sums.monthOf(layout.decodeField(record, TSchedaCosto::Data));
        if (month >= 0)
            sums.add(month, layout.decodeField(record, TSchedaCosto::Importo));
        return true;
    });
    return sums;
}

QString roundedText(const QString& text) {
    if (text::isBlank(text))
        return QStringLiteral("0");
    const double value = cost_rules::readAmount(text).value_or(0);
    return cost_rules::shortestText(cost_rules::roundHalfUp(value, 0));
}

const QString& label(int month) {
    static const std::array<QString, kMonths> kLabels{
        QStringLiteral("Gennaio"), QStringLiteral("Febbraio"), QStringLiteral("Marzo"),
        QStringLiteral("Aprile"),  QStringLiteral("Maggio"),   QStringLiteral("Giugno"),
        QStringLiteral("Luglio"),  QStringLiteral("Agosto"),   QStringLiteral("Settembre"),
        QStringLiteral("Ottobre"), QStringLiteral("Novembre"), QStringLiteral("Dicembre")};
    return kLabels[static_cast<std::size_t>(month)];
}

QColor colour(int month) {
    static constexpr std::array<QRgb, kMonths> kColours{0xFFFF0000, 0xFF0000FF, 0xFFFFFFFF, 0xFFFF00FF,
                                                        0xFFC0DCC0, 0xFFFFFF00, 0xFF00FF00, 0xFFC0C0C0,
                                                        0xFFF0FBFF, 0xFF87CEEB, 0xFF800000, 0xFF008000};
    return QColor::fromRgba(kColours[static_cast<std::size_t>(month)]);
}

} // namespace monthly_costs
