#include "backup/backup_contents.h"

#include "costs/cost_record.h"
#include "login/password_store.h"
#include "vehicles/attachment_files.h"
#include "vehicles/vehicle_file.h"
#include "vehicles/vehicle_photo.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace backup {

namespace {

const QString kTemporaryPrefix = QStringLiteral(".vestrano-");

bool isYearFileName(const QString& name) {
    static const QRegularExpression year(QStringLiteral("^[0-9]{4}\\.eur$"));
    return year.match(name).hasMatch();
}

bool isBareName(const QString& name) {
    return !name.isEmpty() && name != QLatin1String(".") && name != QLatin1String("..") &&
           !name.contains(u'/') && !name.contains(u'\\') && !name.contains(QChar(0));
}

QStringList folders() {
    return {QString::fromLatin1(vehicle_photo::kFolder), QString::fromLatin1(attachment_files::kFolder)};
}

} // namespace

QList<Item> itemsIn(const QString& programDir, QString* problem) {
    QList<Item> items;
    const QDir dir(programDir);
    const auto addTopLevel = [&](const QString& name, int recordSize) {
        const QFileInfo info(dir.filePath(name));
        if (!info.exists() && !info.isSymLink())
            return true;
        if (!info.isFile()) {
            if (problem)
                *problem = QStringLiteral("%1 non è un file leggibile").arg(QDir::toNativeSeparators(info.filePath()));
            return false;
        }
        items.append({name, info.filePath(), recordSize});
        return true;
    };

    if (!addTopLevel(QString::fromLatin1(VehicleFile::kFileName), TSchedaVeicolo::kRecordSize))
        return {};
    QStringList years = dir.entryList({QStringLiteral("*.eur")}, QDir::Files | QDir::Dirs | QDir::System |
                                                                     QDir::NoDotAndDotDot, QDir::Name);
    for (const QString& name : years)
        if (isYearFileName(name) && !addTopLevel(name, TSchedaCosto::kRecordSize))
            return {};
    if (!addTopLevel(QString::fromLatin1(PasswordStore::kFileName), 0))
        return {};

    for (const QString& folder : folders()) {
        const QDir sub(dir.filePath(folder));
        // Regular files only: a link could lead outside the data folder.
        const QFileInfoList files = sub.entryInfoList(QDir::Files | QDir::Hidden | QDir::NoSymLinks, QDir::Name);
        for (const QFileInfo& info : files)
            if (!isTemporaryName(info.fileName()))
                items.append({folder + u'/' + info.fileName(), info.filePath(), 0});
    }
    return items;
}

int recordSizeOf(const QString& entryName) {
    if (entryName == QLatin1String(VehicleFile::kFileName))
        return TSchedaVeicolo::kRecordSize;
    if (isYearFileName(entryName))
        return TSchedaCosto::kRecordSize;
    return 0;
}

bool isRestorableName(const QString& entryName) {
    if (entryName == QLatin1String(VehicleFile::kFileName) || entryName == QLatin1String(PasswordStore::kFileName) ||
        isYearFileName(entryName))
        return true;
    for (const QString& folder : folders())
        if (entryName.startsWith(folder + u'/')) {
            const QString bare = entryName.mid(folder.size() + 1);
            return isBareName(bare) && !isTemporaryName(bare);
        }
    return false;
}

QString yearOf(const QString& entryName) {
    return isYearFileName(entryName) ? entryName.left(4) : QString();
}

bool isTemporaryName(const QString& fileName) {
    return fileName.startsWith(kTemporaryPrefix);
}

QString pathOf(const QString& programDir, const QString& entryName) {
    return QDir(programDir).filePath(entryName);
}

QString temporaryBeside(const QString& path, const QString& step) {
    const QFileInfo info(path);
    return info.dir().filePath(kTemporaryPrefix + step + u'-' + info.fileName());
}

} // namespace backup
