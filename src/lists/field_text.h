#pragma once

#include "records/record_layout.h"

#include <QByteArrayView>
#include <QChar>
#include <QStringView>


// One text field of a record decoded into a buffer of its own, without allocating: rows are
// built for every record of a file (by a search, and again by the hand-over by row), so
//
//     row.column(FieldText(record, layout, field).view(), 20);
//
// keeps a scan of a large file quick. The text is as stored; the row's columns trim it.
class FieldText {
public:
    FieldText(QByteArrayView record, const RecordLayout& layout, int field);
    QStringView view() const { return QStringView(m_chars, m_size); }

private:
    // Left uninitialised: only the first m_size are ever read, and zeroing 512 bytes for a
    // field of ten would cost more than decoding it.
    char16_t m_chars[256]; // a length byte never says more than 255
    qsizetype m_size = 0;
};
