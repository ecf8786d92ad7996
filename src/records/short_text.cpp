#include "records/short_text.h"

#include "records/cp1252.h"
#include "records/text_rules.h"

#include <algorithm>
#include <cstring>

namespace short_text {

void write(char* field, int capacity, const QString& value) {
    const QByteArray bytes = cp1252::encode(text::trimmed(value).left(capacity));
    const int length = static_cast<int>(bytes.size());
    std::memset(field, 0, static_cast<std::size_t>(capacity) + 1);
    field[0] = static_cast<char>(length);
    std::memcpy(field + 1, bytes.constData(), static_cast<std::size_t>(length));
}

QString read(QByteArrayView field, int capacity) {
    if (field.isEmpty())
        return {};
    const int length = std::min<int>(static_cast<unsigned char>(field[0]), capacity);
    const int available = std::min<int>(length, static_cast<int>(field.size()) - 1);
    return text::trimmed(cp1252::decode(field.sliced(1, available)));
}

} // namespace short_text
