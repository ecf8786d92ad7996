#pragma once

#include "calendar/ics_writer.h"
#include "deadlines/deadline_rule.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

class RecordFile;

// The vehicles' deadlines as a calendar: every card's four deadlines from today on.
namespace calendar {

inline constexpr const char* kFileName = "Scadenze.ics";

// A card keeps its position in the vehicle file for ever (cards are never deleted or moved),
// while its plate may be corrected: the position and the kind name the event.
QString uid(int position, deadlines::Kind kind);

// One event per readable deadline that is today or later, in file order. Throws RecordFileError.
std::vector<ics::Event> deadlineEvents(RecordFile& vehicles, const QDate& today);

// The whole file for `now`; `events` (when given) receives how many deadlines it holds.
QByteArray deadlineCalendar(RecordFile& vehicles, const QDateTime& now, int* events = nullptr);

} // namespace calendar
