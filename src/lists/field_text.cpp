#include "lists/field_text.h"

#include "records/cp1252.h"

#include <algorithm>

FieldText::FieldText(QByteArrayView record, const RecordLayout& layout, int field) {
    const RecordLayout::Field& f = layout.field(field);
    if (f.offset >= record.size())
        return;
    const qsizetype length = std::min<qsizetype>({static_cast<unsigned char>(record[f.offset]), f.capacity,
                                                  record.size() - f.offset - 1});
    const char* bytes = record.data() + f.offset + 1;
    for (qsizetype i = 0; i < length; ++i)
        m_chars[i] = cp1252::decodeChar(bytes[i]).unicode();
    m_size = length;
}
