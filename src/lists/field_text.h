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
    // A length byte never says more than 255. Left uninitialised: only m_size characters are read.
    char16_t m_chars[256];
    qsizetype m_size = 0;
};
