#include "backup/restore_job.h"

#include "backup/backup_errors.h"
#include "records/whole_file_save.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <cerrno>
#include <cstdio>
#include <unistd.h>

namespace backup {

namespace {

QString shown(const QString& path) { return QDir::toNativeSeparators(path); }

// One file of the data folder being replaced. Until the end, the file it replaces stays
// reachable under `previous` (a second link to it, or a copy), so every replacement done so
// far can be undone.
struct Replacement {
    QString target;
    QString fresh;
    QString previous;
    bool hadPrevious = false;
    bool replaced = false;
};

bool renameOver(const QString& from, const QString& to) {
    return ::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
}

bool keepPrevious(Replacement& r, QString& error) {
    const QFileInfo current(r.target);
    if (!current.exists() && !current.isSymLink())
        return true;
    r.previous = temporaryBeside(r.target, QStringLiteral("precedente"));
    QFile::remove(r.previous);
    if (::link(QFile::encodeName(r.target).constData(), QFile::encodeName(r.previous).constData()) != 0 &&
        !copyWholeFile(r.target, r.previous, &error)) {
        error = QStringLiteral("impossibile sostituire %1: %2").arg(shown(r.target), error);
        return false;
    }
    r.hadPrevious = true;
    return true;
}

// Puts back what was there before, newest replacement first. False when some file could not
// be put back (the backup taken before the restore still holds it).
bool undo(QList<Replacement>& done) {
    bool ok = true;
    for (auto it = done.rbegin(); it != done.rend(); ++it) {
        if (it->replaced)
            ok &= it->hadPrevious ? renameOver(it->previous, it->target) : QFile::remove(it->target);
        else if (it->hadPrevious)
            QFile::remove(it->previous);
    }
    return ok;
}

void removeFreshFiles(const QList<Replacement>& all) {
    for (const Replacement& r : all)
        if (!r.replaced)
            QFile::remove(r.fresh);
}

} // namespace

bool checkRestorable(const ArchiveReader& archive, QString& error) {
    if (!archive.isOpen()) {
        error = archive.error();
        return false;
    }
    if (archive.entries().isEmpty()) {
        error = QStringLiteral("l'archivio è vuoto");
        return false;
    }
    QSet<QString> seen;
    for (const Entry& entry : archive.entries()) {
        if (!isRestorableName(entry.name) || seen.contains(entry.name)) {
            error = QStringLiteral("l'archivio contiene un file non previsto: %1").arg(entry.name);
            return false;
        }
        seen.insert(entry.name);
        const int recordSize = recordSizeOf(entry.name);
        if (recordSize > 0 && entry.size % recordSize != 0) {
            error = QStringLiteral("%1 non contiene un numero intero di schede").arg(entry.name);
            return false;
        }
    }
    return true;
}

Outcome restoreBackup(const QString& programDir, const QString& archivePath, const QDateTime& now,
                      Progress* progress) {
    Outcome out;
    // Kept open to the end: the backup taken below may rotate this very archive away.
    ArchiveReader archive(archivePath);
    if (!checkRestorable(archive, out.error))
        return out;

    QList<Replacement> all;
    if (progress) {
        qint64 total = 0;
        for (const Entry& entry : archive.entries())
            total += entry.size;
        progress->done = 0;
        progress->total = total * 3; // extracted, then the current data saved and checked
    }
    QStringList madeFolders;
    const auto fail = [&](const QString& why) {
        removeFreshFiles(all);
        for (auto it = madeFolders.crbegin(); it != madeFolders.crend(); ++it)
            QDir().rmdir(*it);
        out.ok = false;
        out.error = why;
        return out;
    };

    for (qsizetype i = 0; i < archive.entries().size(); ++i) {
        const Entry& entry = archive.entries()[i];
        Replacement r;
        r.target = pathOf(programDir, entry.name);
        r.fresh = temporaryBeside(r.target, QStringLiteral("nuovo"));
        const QString folder = QFileInfo(r.target).absolutePath();
        if (!QFileInfo::exists(folder)) {
            QDir().mkpath(folder);
            madeFolders.append(folder);
        }
        all.append(r);
        QString why;
        const bool extracted = saveWholeFile(
            r.fresh,
            [&](QIODevice& device, QString& error) {
                return archive.read(static_cast<int>(i),
                                    [&device](QByteArrayView block, QString& e) { return writeAll(device, block, e); },
                                    error, progress);
            },
            &why);
        if (!extracted)
            return fail(QStringLiteral("%1: %2").arg(entry.name, why));
    }

    const Outcome before = takeBackup(programDir, now, progress);
    if (!before.ok)
        return fail(QStringLiteral("il backup dei dati attuali non è riuscito: %1").arg(before.error));
    out.path = before.path;

    for (Replacement& r : all) {
        QString why;
        bool ok = keepPrevious(r, why);
        if (ok && !renameOver(r.fresh, r.target)) {
            why = QStringLiteral("impossibile sostituire %1: %2").arg(shown(r.target), systemReason(errno));
            ok = false;
        }
        if (!ok) {
            const bool undone = undo(all);
            out = fail(why);
            out.path = before.path;
            out.dataChanged = !undone;
            if (!undone)
                out.error += QStringLiteral("; alcuni file non sono stati rimessi com'erano: i dati precedenti sono "
                                            "nel backup %1")
                                 .arg(QFileInfo(before.path).fileName());
            return out;
        }
        r.replaced = true;
    }

    QSet<QString> folders;
    for (const Replacement& r : all) {
        if (r.hadPrevious)
            QFile::remove(r.previous);
        folders.insert(QFileInfo(r.target).absolutePath());
    }
    for (const QString& folder : folders)
        syncToDisk(folder);
    out.ok = true;
    return out;
}

} // namespace backup
