#include "records/record_layout.h"

#include "records/short_text.h"

#include <cstring>

RecordLayout::RecordLayout(std::initializer_list<std::pair<const char*, int>> fields) {
    for (const auto& [name, capacity] : fields) {
        m_fields.push_back({name, capacity, m_size});
        m_size += capacity + 1;
    }
}

int RecordLayout::indexOf(const char* name) const {
    for (std::size_t i = 0; i < m_fields.size(); ++i)
        if (std::strcmp(m_fields[i].name, name) == 0)
            return static_cast<int>(i);
    return -1;
}

QByteArray RecordLayout::encode(const QStringList& values) const {
    QByteArray record(m_size, '\0');
    for (std::size_t i = 0; i < m_fields.size(); ++i) {
        const auto index = static_cast<qsizetype>(i);
        short_text::write(record.data() + m_fields[i].offset, m_fields[i].capacity,
                          index < values.size() ? values.at(index) : QString());
    }
    return record;
}

QStringList RecordLayout::decode(QByteArrayView record) const {
    QStringList values;
    values.reserve(fieldCount());
    for (int i = 0; i < fieldCount(); ++i)
        values.append(decodeField(record, i));
    return values;
}

QString RecordLayout::decodeField(QByteArrayView record, int index) const {
    const Field& f = field(index);
    if (f.offset >= record.size())
        return {};
    return short_text::read(record.sliced(f.offset, std::min<qsizetype>(f.capacity + 1, record.size() - f.offset)),
                            f.capacity);
}
