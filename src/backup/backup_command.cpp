#include "backup/backup_command.h"

#include "backup/backup_job.h"

#include <QDir>
#include <QTextStream>

namespace backup {

int runBackupCommand(const QString& programDir, const QDateTime& now, QTextStream& out, QTextStream& err) {
    const Outcome outcome = takeBackup(programDir, now);
    if (!outcome.ok) {
        err << QStringLiteral("Backup non riuscito: %1.").arg(outcome.error) << Qt::endl;
        return 1;
    }
    out << QStringLiteral("Backup eseguito: %1").arg(QDir::toNativeSeparators(outcome.path)) << Qt::endl;
    return 0;
}

} // namespace backup
