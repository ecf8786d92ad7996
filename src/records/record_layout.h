#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QStringList>

#include <initializer_list>
#include <vector>

// The field layout of a fixed-size record: ShortText fields back to back, no gaps.
class RecordLayout {
public:
    struct Field {
        const char* name;
        int capacity;
        int offset;
    };

    RecordLayout(std::initializer_list<std::pair<const char*, int>> fields);

    int recordSize() const { return m_size; }
    int fieldCount() const { return static_cast<int>(m_fields.size()); }
    const Field& field(int index) const { return m_fields[static_cast<std::size_t>(index)]; }
    int indexOf(const char* name) const;

    // Values are taken in field order; missing values are stored empty.
    QByteArray encode(const QStringList& values) const;
    QStringList decode(QByteArrayView record) const;
    QString decodeField(QByteArrayView record, int index) const;

private:
    std::vector<Field> m_fields;
    int m_size = 0;
};
