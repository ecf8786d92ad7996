#pragma once

#include "import/csv_table.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <vector>

class RecordLayout;

// What a row of an imported spreadsheet becomes: a vehicle card or a cost entry, its values
// passed through the same rules as typing them on the screen, or the row's problems in
// Italian. Nothing here touches a file.
namespace import_rules {

enum class Rule {
    Text,
    VehiclePlate, // the card's plate filter, trimmed, capitals
    CostPlate,    // trimmed, capitals
    Date,         // empty or a real date, stored dd/mm/yyyy
    PaymentDate,  // a real date of the open year: fills day, month, year and date
    Amount,       // a readable amount, normalised as the amount field does
    Paid,         // Sì or No
};

struct Field {
    int field;           // the record field it fills
    QString name;        // as the preview shows it
    QStringList aliases; // further header names it is recognised by
    Rule rule = Rule::Text;
    bool required = false;
};

struct Target {
    const RecordLayout* layout;
    std::vector<Field> fields;
};

const Target& vehicles();
const Target& costs();

inline constexpr int kNotImported = -1;

// For each file column the index (in target.fields) of the field it fills, matched by header
// name without regard to case, accents, blanks or punctuation; kNotImported for the others.
QList<int> mapByHeader(const Target& target, const QStringList& header);

// A row made into a record; `problems` is empty when the record may be written.
struct Outcome {
    QByteArray record;
    QStringList problems;
};
// `year` is the year of the cost file the entries go to (unused for vehicle cards).
Outcome makeRecord(const Target& target, const QList<int>& mapping, const QStringList& fields,
                   const QString& year);

struct Check {
    QStringList general;            // problems of the file or of the mapping as a whole
    QList<QStringList> rowProblems; // per table row, in order
    int rowsWithProblems = 0;
    bool canImport() const { return general.isEmpty() && rowsWithProblems == 0; }
};
Check check(const Target& target, const csv::Table& table, const QList<int>& mapping,
            const QString& year);

} // namespace import_rules
