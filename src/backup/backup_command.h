#pragma once

#include <QDateTime>
#include <QString>

class QTextStream;

namespace backup {

// `vestrano --data-dir DIR --backup`, for a scheduled job: writes one backup and returns 0, or
// returns 1 after one Italian line on `err` saying why.
int runBackupCommand(const QString& programDir, const QDateTime& now, QTextStream& out, QTextStream& err);

} // namespace backup
