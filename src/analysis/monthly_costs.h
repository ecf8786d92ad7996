#pragma once

#include "records/parallel_work.h"

#include <QColor>
#include <QString>
#include <QStringView>

#include <array>

class RecordFile;

// The costs of one calendar year month by month, from the payment date and amount of every
// entry of the year file (paid or not, any reason, any vehicle).
namespace monthly_costs {

inline constexpr int kMonths = 12;

// Running sums of the months; each month's text is its sum in the shortest decimal form.
class Sums {
public:
    explicit Sums(const QString& year);

    // 0..11 when the month of `date` ("dd/mm/yyyy") is 01 to 12 and its year is this year;
    // -1 for an entry that is not counted.
    int monthOf(QStringView date) const;
    // Adds the amount to the month. An amount that is no number is passed over: returns false.
    bool add(int month, const QString& amount);
    void add(int month, double value);
    bool add(QStringView date, const QString& amount) { return add(monthOf(date), amount); }

    double sum(int month) const { return m_sums[static_cast<std::size_t>(month)]; }
    QString text(int month) const;

private:
    QString m_year;
    std::array<double, kMonths> m_sums{};
    std::array<bool, kMonths> m_counted{};
};

// The year file read from first to last. Throws RecordFileError when it cannot be read.
Sums read(RecordFile& file, const QString& year, int workers = parallel_work::defaultWorkers());

// A month's text rounded to whole euros (half up), in the shortest decimal form: "15,6" -> "16".
// A blank text counts as 0.
QString roundedText(const QString& text);

// The month as the chart names and colours it.
const QString& label(int month);
QColor colour(int month);

} // namespace monthly_costs
