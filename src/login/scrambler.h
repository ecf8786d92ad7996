#pragma once

#include <QString>

#include <optional>

// The reversible 16-bit rolling-key scrambler of the password store.
namespace scrambler {

// One byte per character, its Windows-1252 code (the code page of every other copy of the
// program), as two upper-case hex digits. A character the code page cannot hold becomes '?'.
QString scramble(const QString& text);
// Bytes read back as Windows-1252. nullopt when a pair of digits is not hexadecimal; a last
// single digit is ignored.
std::optional<QString> unscramble(const QString& hex);

} // namespace scrambler
