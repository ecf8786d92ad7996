#include "lists/row_order.h"

#include "records/cp1252.h"

namespace row_order {
namespace {

inline char keyByte(QChar c) {
    const char16_t u = c.unicode();
    if (u >= u'a' && u <= u'z')
        return static_cast<char>(u - 32);
    if (u < 0x80)
        return static_cast<char>(u);
    return cp1252::encodeChar(c);
}

} // namespace

void writeKey(char* out, QStringView row) {
    for (QChar c : row)
        *out++ = keyByte(c);
}

void appendKey(QByteArray& out, QStringView row) {
    const qsizetype at = out.size();
    out.resize(at + row.size());
    writeKey(out.data() + at, row);
}

QByteArray key(QStringView row) {
    QByteArray out;
    appendKey(out, row);
    return out;
}

std::optional<QByteArray> searchKey(QStringView text) {
    QByteArray out(text.size(), Qt::Uninitialized);
    char* p = out.data();
    for (QChar c : text) {
        const char b = keyByte(c);
        if (b == '?' && c != u'?')
            return std::nullopt;
        *p++ = b;
    }
    return out;
}

} // namespace row_order
