#pragma once

#include "records/parallel_work.h"
#include "vehicles/vehicle_record.h"

#include <QByteArrayView>
#include <QDate>
#include <QString>

#include <functional>
#include <span>
#include <vector>

class RecordFile;

// Which vehicles fall due: a deadline on day D is listed from D - 7 onwards, and for ever
// after until the card's date is changed.
namespace deadlines {

enum class Kind { Revisione, Tagliando, Assicurazione, Bollo };
inline constexpr Kind kKinds[] = {Kind::Revisione, Kind::Tagliando, Kind::Assicurazione, Kind::Bollo};

// What tells the four lists apart.
struct ListSetup {
    const char* name;        // the deadline's own word: "Revisione" ...
    const char* menuButton;  // on the deadline menu
    const char* buttonWords; // the words its picture carries
    const char* screen;
    const char* caption;
    TSchedaVeicolo::Field field;
    const char* note;  // lblRigo03
    const char* title; // of the printed list
};
const ListSetup& setup(Kind kind);

inline constexpr int kDaysAhead = 7;

enum class Due { No, Yes, Unreadable };
// A blank deadline is never due; one that is not a real "dd/mm/yyyy" date is Unreadable.
Due check(const QString& deadline, const QDate& today);
bool isDue(const QDate& deadline, const QDate& today);

// One readable deadline date of one card.
struct Deadline {
    qint64 position; // of the card in the vehicle file
    QByteArrayView record;
    Kind kind;
    QDate date;
};
// Visits, in file order and for each card in the order of `kinds`, every deadline that holds a
// real date; blank and unreadable dates are passed over and the rest of the file is still
// examined. The reminder and the calendar read through here, and the lists' parallel scan reads
// each date with the same parser, so they all agree on what a date is. Throws RecordFileError.
void scanDeadlines(RecordFile& file, std::span<const Kind> kinds, const std::function<void(const Deadline&)>& visit);

// A card's field, trimmed; and its make and model joined by a blank, as the lists show them.
QString cardText(QByteArrayView record, TSchedaVeicolo::Field field);
QString makeAndModel(QByteArrayView record);

// Tipo | Marca Modello | Targa | the deadline | Chilometri | Proprietario, in fixed-width columns.
QString row(QByteArrayView record, TSchedaVeicolo::Field deadline);
// Where the due date ends in every row: what a list of them must show at a glance.
inline constexpr int kRowThroughDueDate = 91;

// Appends, in file order, the row of every card due in `kind`. Throws RecordFileError; the rows
// made before a failure stay in `rows`.
void collectDue(RecordFile& file, Kind kind, const QDate& today, std::vector<QString>& rows,
                int workers = parallel_work::defaultWorkers());

} // namespace deadlines
