#pragma once

#include "records/record_layout.h"

#include <QByteArrayView>
#include <QStringList>

// The record a screen loaded from its file, kept so that a save can tell whether another copy
// of the program changed the stored record in the meantime. Records are compared by their
// field texts: the bytes after a text are not significant and may differ between writers.
class LoadedRecord {
public:
    explicit LoadedRecord(const RecordLayout& layout) : m_layout(layout) {}

    void remember(qint64 position, QByteArrayView record);
    // True when `stored`, read now at `position`, holds what was loaded there. A position
    // that was never loaded has nothing to compare with and passes.
    bool unchangedAt(qint64 position, QByteArrayView stored) const;

private:
    const RecordLayout& m_layout;
    qint64 m_position = 0;
    QStringList m_values;
};
