#pragma once

#include "backup/zip_archive.h"

#include <QDateTime>
#include <QString>

namespace backup {

struct Outcome {
    bool ok = false;
    QString path;  // the new backup (for a restore: the backup of the data as it was before)
    QString error; // why not, in Italian
    bool dataChanged = false; // a failed restore that could not put every file back
};

// Takes one backup of the data folder. The archive is written under a temporary name in the
// Backup folder, synced, read back entry by entry (CRCs), and only then given its dated name;
// then only the newest backups are kept. A failure leaves every older backup as it was.
Outcome takeBackup(const QString& programDir, const QDateTime& now, Progress* progress = nullptr);

// Syncs a file or a folder entry to disk; false when the system refuses.
bool syncToDisk(const QString& path);

} // namespace backup
