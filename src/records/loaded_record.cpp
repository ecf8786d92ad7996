#include "records/loaded_record.h"

void LoadedRecord::remember(qint64 position, QByteArrayView record) {
    m_position = position;
    m_values = m_layout.decode(record);
}

bool LoadedRecord::unchangedAt(qint64 position, QByteArrayView stored) const {
    return position != m_position || m_layout.decode(stored) == m_values;
}
