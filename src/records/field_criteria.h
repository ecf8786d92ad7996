#pragma once

#include "records/record_layout.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <utility>
#include <vector>

// Search criteria over the fields of fixed-size records: each one a text looked for inside one
// field. A criterion takes part when it is not blank; it is matched as typed (blanks
// included) anywhere inside the field as stored, the letters A-Z and a-z counting alike and
// accented letters matching only themselves. A record matches when every set criterion does.
// The match runs on the record bytes, so a scan of a large file allocates nothing per record.
class FieldCriteria {
public:
    // (field index in `layout`, text typed for it)
    FieldCriteria(const RecordLayout& layout, const std::vector<std::pair<int, QString>>& texts);

    int setCount() const { return static_cast<int>(m_set.size()); }
    bool matches(QByteArrayView record) const;

private:
    struct Criterion {
        int offset = 0; // of the field's length byte in the record
        int capacity = 0;
        QByteArray lowered; // Windows-1252 bytes, A-Z lowered
        bool matchable = true; // false when the text holds a character no field can hold
    };
    std::vector<Criterion> m_set;
};
