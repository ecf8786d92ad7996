#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

class QIODevice;

// The one way a whole file is written (photos, attached files, spreadsheets, the password
// store, calendar, backups): the content goes to a temporary file in the target's folder,
// every write and the final flush are checked, the data is synced to disk, and only then does
// the temporary file take the target's name. On any failure the previous file is left
// byte-identical and the reason comes back in `error` (when given).

// `write` puts the whole content on the device it is given and returns false when it could
// not (a failed QIODevice::write, an unreadable source...); it may set `error` itself.
bool saveWholeFile(const QString& path, const std::function<bool(QIODevice&, QString& error)>& write,
                   QString* error = nullptr);
bool saveWholeFile(const QString& path, const QByteArray& content, QString* error = nullptr);
// Streams `source` into `target` in blocks, never holding the whole file in memory.
bool copyWholeFile(const QString& source, const QString& target, QString* error = nullptr);
// Writes all of `data` to `device` or reports why not (a short write counts as a failure).
bool writeAll(QIODevice& device, QByteArrayView data, QString& error);
