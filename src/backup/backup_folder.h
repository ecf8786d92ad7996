#pragma once

#include <QDateTime>
#include <QList>
#include <QString>

#include <optional>

// The Backup folder of the data folder: one Vestrano_YYYY-MM-DD_HHMMSS.zip per backup, named
// when it was taken. Only complete, verified archives ever carry such a name.
namespace backup {

inline constexpr int kKept = 30;
inline constexpr int kAutomaticAfterHours = 24;
inline constexpr int kWarnAfterDays = 7;

struct BackupFile {
    QString path;
    QDateTime takenAt;
};

QString folderIn(const QString& programDir);
QString fileNameFor(const QDateTime& takenAt);
std::optional<QDateTime> takenAtOf(const QString& fileName);

// The backups in the folder, newest first.
QList<BackupFile> listIn(const QString& programDir);
std::optional<QDateTime> newestIn(const QString& programDir);

// A new backup is due when there is none or the newest is 24 hours old.
bool isDue(const std::optional<QDateTime>& newest, const QDateTime& now);
// The user is warned when the newest backup is more than 7 days old.
bool isOverdue(const std::optional<QDateTime>& newest, const QDateTime& now);

// A path for a backup taken at `now` that no other backup has.
QString freePathFor(const QString& programDir, QDateTime now);
// Removes the oldest backups beyond the newest `kept`.
void rotate(const QString& programDir, int kept = kKept);

} // namespace backup
