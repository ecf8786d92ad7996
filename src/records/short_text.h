#pragma once

#include <QByteArrayView>
#include <QString>

// A fixed-capacity text field of a record file: one length byte (0..capacity) followed by
// `capacity` bytes of Windows-1252 text.
namespace short_text {

// Stores `value` trimmed and cut to `capacity` characters; the unused bytes are zeroed.
void write(char* field, int capacity, const QString& value);

// Reads the field back, trimmed. A length byte larger than the capacity reads as the capacity.
QString read(QByteArrayView field, int capacity);

} // namespace short_text
