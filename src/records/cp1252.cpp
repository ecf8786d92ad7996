#include "records/cp1252.h"

namespace cp1252 {

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

QString decode(QByteArrayView bytes) {
    QString out(bytes.size(), Qt::Uninitialized);
    QChar* p = out.data();
    for (char ch : bytes)
        *p++ = decodeChar(ch);
    return out;
}

} // namespace cp1252
