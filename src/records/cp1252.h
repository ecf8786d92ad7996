#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <array>

// Windows-1252, the code page of the record files. Qt 6 has no such codec without ICU.
namespace cp1252 {

// Characters the code page cannot hold become '?'.
QByteArray encode(const QString& text);
QString decode(QByteArrayView bytes);
char encodeChar(QChar c);
// The first character of `text` the code page cannot hold (both halves of a surrogate pair);
// empty when there is none.
QString firstUnheld(const QString& text);

// 0x80..0x9F; 0 marks the five codes the code page leaves undefined (read back as C1 controls).
inline constexpr std::array<char16_t, 32> kHigh = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

// Inline: scans decode every byte of the fields they show.
inline QChar decodeChar(char byte) {
    const auto b = static_cast<unsigned char>(byte);
    if (b >= 0x80 && b <= 0x9F && kHigh[b - 0x80] != 0)
        return QChar(kHigh[b - 0x80]);
    return QChar(b);
}

} // namespace cp1252
