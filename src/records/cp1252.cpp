#include "records/cp1252.h"

#include <array>

namespace cp1252 {
namespace {

// 0x80..0x9F; 0 marks the five codes the code page leaves undefined (read back as C1 controls).
constexpr std::array<char16_t, 32> kHigh = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

} // namespace

char encodeChar(QChar c) {
    const char16_t u = c.unicode();
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return static_cast<char>(u);
    // The five undefined codes read back as C1 controls and are written as they were read.
    if (u >= 0x80 && u <= 0x9F && kHigh[u - 0x80] == 0)
        return static_cast<char>(u);
    for (std::size_t i = 0; i < kHigh.size(); ++i)
        if (kHigh[i] != 0 && kHigh[i] == u)
            return static_cast<char>(0x80 + i);
    return '?';
}

QString firstUnheld(const QString& text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'?' || encodeChar(text[i]) != '?')
            continue;
        const bool pair = text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
        return text.mid(i, pair ? 2 : 1);
    }
    return QString();
}

QByteArray encode(const QString& text) {
    QByteArray out;
    out.reserve(text.size());
    for (QChar c : text)
        out.append(encodeChar(c));
    return out;
}

QChar decodeChar(char byte) {
    const auto b = static_cast<unsigned char>(byte);
    if (b >= 0x80 && b <= 0x9F && kHigh[b - 0x80] != 0)
        return QChar(kHigh[b - 0x80]);
    return QChar(b);
}

QString decode(QByteArrayView bytes) {
    QString out(bytes.size(), Qt::Uninitialized);
    QChar* p = out.data();
    for (char ch : bytes)
        *p++ = decodeChar(ch);
    return out;
}

} // namespace cp1252
