#pragma once

#include "records/parallel_work.h"
#include "vehicles/vehicle_record.h"

#include <QByteArrayView>
#include <QDate>
#include <QString>

#include <vector>

class RecordFile;

// Which vehicles fall due: a deadline on day D is listed from D - 7 onwards, and for ever
// after until the card's date is changed.
namespace deadlines {

enum class Kind { Revisione, Tagliando, Assicurazione, Bollo };
inline constexpr Kind kKinds[] = {Kind::Revisione, Kind::Tagliando, Kind::Assicurazione, Kind::Bollo};

// What tells the four lists apart.
struct ListSetup {
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

// Tipo | Marca Modello | Targa | the deadline | Chilometri | Proprietario, in fixed-width columns.
QString row(QByteArrayView record, TSchedaVeicolo::Field deadline);

// Appends, in file order, the row of every card due in `deadline`. A card whose date cannot
// be read is passed over and the rest of the file is still examined. Throws RecordFileError;
// the rows made before a failure stay in `rows`.
void collectDue(RecordFile& file, TSchedaVeicolo::Field deadline, const QDate& today, std::vector<QString>& rows,
                int workers = parallel_work::defaultWorkers());

} // namespace deadlines
