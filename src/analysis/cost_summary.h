#pragma once

#include "records/parallel_work.h"

#include <QDate>
#include <QString>

#include <vector>

class RecordFile;

// The cost summary: the entries of a year file whose plate and reason hold the filters and
// whose payment date lies in the interval, one fixed-width line each, and their total.
namespace cost_summary {

struct Request {
    QString plate;  // as typed: blank means every plate
    QString reason; // as typed: blank means every reason
    QDate from;     // both ends included
    QDate to;
};

// How many of the two filters are in force (blank after trimming means not in force).
int activeFilters(const Request& request);

// Whether the plate and reason of an entry hold every filter in force: each filter, untrimmed,
// as a part of its field, letters a-z and A-Z alike.
bool matches(const Request& request, const QString& plate, const QString& reason);

struct Line {
    QString make, model, plate, date, reason, payee, amount;
};
// Make and model 28, plate 10, date 10, reason 32, payee 28, then the amount as it is.
QString lineText(const Line& line);

struct Result {
    std::vector<QString> lines; // in file order
    double total = 0;
    int listed = 0;
};

// Reads the year file from first to last into `result`, which keeps what was read when the
// file fails part-way (RecordFileError is passed on). An entry whose date or amount cannot be
// read is passed over, so the total always sums exactly the lines listed.
void read(RecordFile& file, const Request& request, Result& result, int workers = parallel_work::defaultWorkers());

// The running total as the total label shows it while the lines are added.
QString runningText(double total);
// The total label's final form: rounded to 4 decimals, and always at least two decimals
// ("12" -> "12,00", "12,5" -> "12,50", "1,2345" stays). A blank label gives "0,00".
QString finalTotal(const QString& label);

} // namespace cost_summary
