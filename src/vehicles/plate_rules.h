#pragma once

#include <QChar>
#include <QString>

// The plate field takes no characters that break exports or file names (& / < >) and no
// accented capitals of the Italian keyboard; what it keeps is trimmed and in capitals.
namespace plate {

bool isRefused(QChar c);
// Drops refused characters, trims, and turns a-z into A-Z. When `cursor` is given it is moved
// so that it stays after the same kept character.
QString normalised(const QString& text, int* cursor = nullptr);

} // namespace plate
