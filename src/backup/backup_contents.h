#pragma once

#include <QList>
#include <QString>

// What a backup of the data folder holds: the vehicle file, every year file, the password
// store, the photos and the attached files. Nothing else of the folder is saved or restored.
namespace backup {

struct Item {
    QString entryName; // name inside the archive, '/'-separated, relative to the data folder
    QString path;      // the file in the data folder
    int recordSize = 0; // for record files: they are saved as whole records only
};

// The files of the data folder to save, in archive order. A file that should be saved but is
// not a regular file (a folder in its place) is reported in `problem` and nothing is listed.
QList<Item> itemsIn(const QString& programDir, QString* problem);

// The record size an entry must be a whole multiple of; 0 for an entry that is not a record file.
int recordSizeOf(const QString& entryName);
// Whether an archive entry is one a backup can hold. Restoring only such names keeps every
// file inside the data folder, whatever the archive says.
bool isRestorableName(const QString& entryName);
// "2025.eur" -> "2025"; empty for any other name.
QString yearOf(const QString& entryName);
// Our own temporary files, which a backup never saves.
bool isTemporaryName(const QString& fileName);

QString pathOf(const QString& programDir, const QString& entryName);
// A temporary file beside `path` for one step of a restore ("nuovo", "precedente").
QString temporaryBeside(const QString& path, const QString& step);

} // namespace backup
