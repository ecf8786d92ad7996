#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// Windows-1252, the code page of the record files. Qt 6 has no such codec without ICU.
namespace cp1252 {

// Characters the code page cannot hold become '?'.
QByteArray encode(const QString& text);
QString decode(QByteArrayView bytes);
QChar decodeChar(char byte);
char encodeChar(QChar c);
// The first character of `text` the code page cannot hold (both halves of a surrogate pair);
// empty when there is none.
QString firstUnheld(const QString& text);

} // namespace cp1252
