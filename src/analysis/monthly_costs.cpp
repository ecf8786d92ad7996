#include "analysis/monthly_costs.h"

#include "costs/cost_record.h"
#include "costs/cost_rules.h"
#include "lists/field_text.h"
#include "lists/fixed_width.h"
#include "records/parallel_scan.h"
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
    // Read in place: every entry of a year passes here.
    const QStringView trimmed = fixed_width::trimmed(date);
    if (fixed_width::trimmed(trimmed.mid(6, 4)) != m_year)
        return -1;
    const QStringView month = fixed_width::trimmed(trimmed.mid(3, 2));
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
    add(month, *value);
    return true;
}

void Sums::add(int month, double value) {
    const auto m = static_cast<std::size_t>(month);
    m_sums[m] += value;
    m_counted[m] = true;
}

Sums read(RecordFile& file, const QString& year, int workers) {
    Sums sums(year);
    const RecordLayout& layout = TSchedaCosto::layout();
    // Months and amounts are read on every core; the sums are added up in file order, so they
    // come out to the last bit as one reader's would.
    using Part = std::vector<std::pair<int, double>>;
    const auto visit = [&](Part& part, int, QByteArrayView record) {
        const int month = sums.monthOf(FieldText(record, layout, TSchedaCosto::Data).view());
        if (month < 0)
            return;
        const QString amount = fixed_width::trimmed(FieldText(record, layout, TSchedaCosto::Importo).view()).toString();
        if (const std::optional<double> value = cost_rules::readAmount(amount))
            part.emplace_back(month, *value);
    };
    parallel_scan::scanInOrder<Part>(file, visit, [&](Part& part) {
        for (const auto& [month, value] : part)
            sums.add(month, value);
    }, workers);
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
