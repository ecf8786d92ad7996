#include "app/data_folder.h"

#include "records/whole_file_save.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace data_folder {

namespace {

const QString kChosenKey = QStringLiteral("dataFolder");
const QString kInstalledRelative = QStringLiteral("../share/vestrano");

Resolved made(const QString& dir, Source source, bool mayCreate) {
    return {withSeparator(QDir(dir).absolutePath()), source, mayCreate};
}

} // namespace

QString withSeparator(const QString& dir) {
    if (dir.endsWith(u'/') || dir.endsWith(QDir::separator()))
        return dir;
    return dir + u'/';
}

Resolved resolve(const Facts& facts) {
    if (!facts.option.isEmpty())
        return made(facts.option, Source::Option, true);
    if (!facts.environment.isEmpty())
        return made(facts.environment, Source::Environment, true);
    if (!facts.chosen.isEmpty())
        return made(facts.chosen, Source::Chosen, false);
    if (facts.executableFolderWritable && !facts.installed && !facts.executableFolder.isEmpty())
        return made(facts.executableFolder, Source::ExecutableFolder, true);
    return made(facts.perUser, Source::PerUser, true);
}

QString userSettingsFile() {
    return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("vestrano"),
                     QStringLiteral("vestrano"))
        .fileName();
}

QString remembered(const QString& settingsFile) {
    if (settingsFile.isEmpty())
        return {};
    return QSettings(settingsFile, QSettings::IniFormat).value(kChosenKey).toString();
}

bool remember(const QString& settingsFile, const QString& dir) {
    if (settingsFile.isEmpty())
        return false;
    QSettings settings(settingsFile, QSettings::IniFormat);
    settings.setValue(kChosenKey, QDir(dir).absolutePath());
    settings.sync();
    return settings.status() == QSettings::NoError;
}

QString installedDir(const QString& executableFolder) {
    if (executableFolder.isEmpty())
        return {};
    const QFileInfo shared(QDir(executableFolder).filePath(kInstalledRelative));
    return shared.isDir() ? withSeparator(shared.canonicalFilePath()) : QString();
}

QString deliveredDir(const QString& executableFolder) {
    const QString installed = installedDir(executableFolder);
    return installed.isEmpty() ? withSeparator(executableFolder) : installed;
}

Facts gather(const QString& option, const QString& settingsFile) {
    Facts facts;
    facts.option = option;
    facts.environment = qEnvironmentVariable("VESTRANO_DATA_DIR");
    facts.chosen = remembered(settingsFile);
    facts.executableFolder = QCoreApplication::applicationDirPath();
    facts.executableFolderWritable = QFileInfo(facts.executableFolder).isWritable();
    facts.installed = !installedDir(facts.executableFolder).isEmpty();
    facts.perUser = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    return facts;
}

bool seed(const QString& dataDir, const QString& deliveredDir, const QString& name, QString* error) {
    const QString target = dataDir + name;
    const QString source = deliveredDir + name;
    if (QFileInfo::exists(target) || !QFileInfo(source).isFile())
        return true;
    if (QFileInfo(source).canonicalFilePath() == QFileInfo(target).canonicalFilePath())
        return true;
    return copyWholeFile(source, target, error);
}

QString deliveredFile(const QString& dataDir, const QString& deliveredDir, const QString& name) {
    if (QFileInfo::exists(dataDir + name) || deliveredDir.isEmpty() ||
        !QFileInfo::exists(deliveredDir + name))
        return dataDir + name;
    return deliveredDir + name;
}

QString problemWith(const QString& dir) {
    const QFileInfo info(dir);
    const QString shown = QDir::toNativeSeparators(dir);
    if (!info.exists())
        return QStringLiteral("Attenzione: la cartella %1 non esiste o non è raggiungibile.").arg(shown);
    if (!info.isDir())
        return QStringLiteral("Attenzione: %1 non è una cartella.").arg(shown);
    // Permission bits do not tell the truth on network folders: try a real file.
    QTemporaryFile probe(QDir(dir).filePath(QStringLiteral(".vestrano-XXXXXX")));
    if (!probe.open())
        return QStringLiteral("Attenzione: non è possibile scrivere nella cartella %1.\n\r\n\r"
                              "Accertarsi di possedere i privilegi di scrittura nella cartella.")
            .arg(shown);
    return {};
}

} // namespace data_folder
