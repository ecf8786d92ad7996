#include "backup/backup_job.h"

#include "backup/backup_errors.h"
#include "backup/backup_folder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace backup {

namespace {

// A temporary archive left by a program that was stopped half-way is removed by a later
// backup, once it is clearly not another copy's work in progress.
void removeStaleTemporaries(const QDir& folder, const QDateTime& now) {
    const QFileInfoList stale = folder.entryInfoList({QStringLiteral(".vestrano-*")}, QDir::Files | QDir::Hidden);
    for (const QFileInfo& info : stale)
        if (info.lastModified().secsTo(now) > 24 * 3600)
            QFile::remove(info.filePath());
}

} // namespace

bool syncToDisk(const QString& path) {
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool ok = ::fsync(fd) == 0;
    ::close(fd);
    return ok;
}

Outcome takeBackup(const QString& programDir, const QDateTime& now, Progress* progress) {
    Outcome out;
    QString problem;
    const QList<Item> items = itemsIn(programDir, &problem);
    if (!problem.isEmpty()) {
        out.error = problem;
        return out;
    }
    if (items.isEmpty()) {
        out.error = QStringLiteral("la cartella dei dati non contiene file da salvare");
        return out;
    }
    const QString folderPath = folderIn(programDir);
    const QFileInfo folderInfo(folderPath);
    if ((folderInfo.exists() && !folderInfo.isDir()) || !QDir().mkpath(folderPath)) {
        out.error = QStringLiteral("impossibile creare la cartella %1").arg(QDir::toNativeSeparators(folderPath));
        return out;
    }
    const QDir folder(folderPath);
    removeStaleTemporaries(folder, now);

    if (progress) {
        qint64 total = 0;
        for (const Item& item : items)
            total += QFileInfo(item.path).size();
        progress->done = 0;
        progress->total = 2 * total; // written once, read back once
    }

    const QString finalPath = freePathFor(programDir, now);
    const QString temporary = folder.filePath(QStringLiteral(".vestrano-%1-%2")
                                                  .arg(QCoreApplication::applicationPid())
                                                  .arg(QFileInfo(finalPath).fileName()));
    const auto fail = [&](const QString& why) {
        QFile::remove(temporary);
        out.error = why;
        return out;
    };

    QList<Entry> written;
    QString why;
    if (!writeArchive(temporary, items, progress, &written, why))
        return fail(why);
    if (!syncToDisk(temporary))
        return fail(systemReason(errno));

    ArchiveReader reader(temporary);
    if (!reader.isOpen())
        return fail(QStringLiteral("l'archivio scritto non si rilegge: %1").arg(reader.error()));
    bool same = reader.entries().size() == written.size();
    for (qsizetype i = 0; same && i < written.size(); ++i)
        same = reader.entries()[i].name == written[i].name && reader.entries()[i].size == written[i].size;
    if (!same)
        return fail(QStringLiteral("l'archivio scritto non corrisponde ai file salvati"));
    if (!reader.verifyAll(why, progress))
        return fail(QStringLiteral("l'archivio scritto non supera la verifica: %1").arg(why));

    if (::rename(QFile::encodeName(temporary).constData(), QFile::encodeName(finalPath).constData()) != 0)
        return fail(systemReason(errno));
    syncToDisk(folderPath);
    rotate(programDir);
    out.ok = true;
    out.path = finalPath;
    return out;
}

} // namespace backup
