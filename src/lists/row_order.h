#pragma once

#include <QByteArray>
#include <QStringView>

#include <optional>

// The order of the result lists: character by character, the letters a-z counting as A-Z and
// every other character (accented letters too) by its Windows-1252 code, the code page the
// rows come from. A row that is the beginning of another stands first.
//
// Rows are compared on a key prepared once per row (row_order::key), never per comparison:
// compared as unsigned bytes, a key that is the beginning of another stands first.
namespace row_order {

// One byte per character: its Windows-1252 code, with a-z turned into A-Z.
QByteArray key(QStringView row);
void appendKey(QByteArray& out, QStringView row);
// The key written at `out`, which has room for row.size() bytes.
void writeKey(char* out, QStringView row);

// The same for a text looked for inside rows; nullopt when it holds a character no row can
// hold (one outside Windows-1252), since such a text occurs in no row.
std::optional<QByteArray> searchKey(QStringView text);

} // namespace row_order
