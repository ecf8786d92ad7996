#pragma once

#include <QString>

#include <optional>

// The reversible 16-bit rolling-key scrambler of the password store.
namespace scrambler {

// One byte per character (the low 8 bits of its code), as two upper-case hex digits.
QString scramble(const QString& text);
// nullopt when a pair of digits is not hexadecimal; a last single digit is ignored.
std::optional<QString> unscramble(const QString& hex);

} // namespace scrambler
