#include "backup/backup_folder.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>

#include <algorithm>

namespace backup {

namespace {

const QString kNamePattern = QStringLiteral("'Vestrano_'yyyy-MM-dd_HHmmss'.zip'");

} // namespace

QString folderIn(const QString& programDir) {
    return QDir(programDir).filePath(QStringLiteral("Backup"));
}

QString fileNameFor(const QDateTime& takenAt) {
    return takenAt.toString(kNamePattern);
}

std::optional<QDateTime> takenAtOf(const QString& fileName) {
    static const QRegularExpression shape(QStringLiteral("^Vestrano_\\d{4}-\\d{2}-\\d{2}_\\d{6}\\.zip$"));
    if (!shape.match(fileName).hasMatch())
        return std::nullopt;
    const QDateTime at = QDateTime::fromString(fileName, kNamePattern);
    if (!at.isValid())
        return std::nullopt;
    return at;
}

QList<BackupFile> listIn(const QString& programDir) {
    const QDir dir(folderIn(programDir));
    QList<BackupFile> found;
    for (const QString& name : dir.entryList({QStringLiteral("Vestrano_*.zip")}, QDir::Files))
        if (const auto at = takenAtOf(name))
            found.append({dir.filePath(name), *at});
    std::sort(found.begin(), found.end(),
              [](const BackupFile& a, const BackupFile& b) { return a.takenAt > b.takenAt; });
    return found;
}

std::optional<QDateTime> newestIn(const QString& programDir) {
    const QList<BackupFile> all = listIn(programDir);
    if (all.isEmpty())
        return std::nullopt;
    return all.first().takenAt;
}

bool isDue(const std::optional<QDateTime>& newest, const QDateTime& now) {
    return !newest || newest->secsTo(now) >= qint64(kAutomaticAfterHours) * 3600;
}

bool isOverdue(const std::optional<QDateTime>& newest, const QDateTime& now) {
    return newest && newest->secsTo(now) > qint64(kWarnAfterDays) * 24 * 3600;
}

QString freePathFor(const QString& programDir, QDateTime now) {
    const QDir dir(folderIn(programDir));
    // Two backups in one second (a backup now, then the one before a restore) keep both.
    while (QFile::exists(dir.filePath(fileNameFor(now))))
        now = now.addSecs(1);
    return dir.filePath(fileNameFor(now));
}

void rotate(const QString& programDir, int kept) {
    const QList<BackupFile> all = listIn(programDir);
    for (qsizetype i = kept; i < all.size(); ++i)
        QFile::remove(all[i].path);
}

} // namespace backup
