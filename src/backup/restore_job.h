#pragma once

#include "backup/backup_job.h"

#include <QDateTime>
#include <QString>

namespace backup {

// Whether an archive can be restored: readable, every entry a name a backup holds, and record
// files a whole number of records. The CRCs are checked while the files are extracted.
bool checkRestorable(const class ArchiveReader& archive, QString& error);

// Puts the data folder back as it was when `archivePath` was taken. Every file is first
// extracted beside its target and checked; then the current data is saved as a backup; then
// each file takes its target's place. A failure at any step leaves the current files as they
// were. `outcome.path` is the backup of the data as it was before.
Outcome restoreBackup(const QString& programDir, const QString& archivePath, const QDateTime& now,
                      Progress* progress = nullptr);

} // namespace backup
