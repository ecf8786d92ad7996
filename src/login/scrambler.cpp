#include "login/scrambler.h"

#include "records/cp1252.h"

#include <cstdint>

namespace scrambler {
namespace {

constexpr std::uint16_t kStartKey = 5719;
constexpr std::uint16_t kMultiplier = 38261;
constexpr std::uint16_t kIncrement = 53608;

std::uint16_t nextKey(std::uint16_t key, std::uint8_t b) {
    return static_cast<std::uint16_t>((static_cast<std::uint32_t>(b + key) * kMultiplier + kIncrement) & 0xFFFF);
}

int hexValue(QChar c) {
    const char16_t u = c.unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'A' && u <= u'F')
        return u - u'A' + 10;
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    return -1;
}

} // namespace

QString scramble(const QString& text) {
    static const char kDigits[] = "0123456789ABCDEF";
    std::uint16_t key = kStartKey;
    QString out;
    out.reserve(text.size() * 2);
    for (QChar c : text) {
        const auto x = static_cast<std::uint8_t>(cp1252::encodeChar(c));
        const auto b = static_cast<std::uint8_t>(x ^ (key >> 8));
        out.append(QLatin1Char(kDigits[b >> 4]));
        out.append(QLatin1Char(kDigits[b & 0xF]));
        key = nextKey(key, b);
    }
    return out;
}

std::optional<QString> unscramble(const QString& hex) {
    std::uint16_t key = kStartKey;
    QString out;
    for (qsizetype i = 0; i + 1 < hex.size(); i += 2) {
        const int hi = hexValue(hex.at(i));
        const int lo = hexValue(hex.at(i + 1));
        if (hi < 0 || lo < 0)
            return std::nullopt;
        const auto b = static_cast<std::uint8_t>(hi * 16 + lo);
        out.append(cp1252::decodeChar(static_cast<char>(b ^ (key >> 8))));
        key = nextKey(key, b);
    }
    return out;
}

} // namespace scrambler
