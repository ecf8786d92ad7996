#pragma once

#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QString>

#include <vector>

// An iCalendar file (RFC 5545) of all-day events, each with a reminder a week before: what
// every calendar program reads.
namespace ics {

struct Event {
    QString uid; // the same for the same thing on every export, so a subscribed calendar updates
    QDate date;
    QString summary;
    QString description; // may be empty; line breaks allowed
};

// The calendar as the file holds it: UTF-8, CRLF line ends, long lines folded. `stamp` is
// when it was made, written in UTC.
QByteArray calendar(const std::vector<Event>& events, const QDateTime& stamp);

// A TEXT value with backslash, semicolon, comma and line breaks escaped.
QString escapeText(const QString& value);
// One content line folded so that no line exceeds 75 octets (a continuation starts with a
// space), never inside a UTF-8 character; ends with CRLF.
QByteArray foldedLine(const QByteArray& line);

} // namespace ics
