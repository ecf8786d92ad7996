#pragma once

#include <QByteArrayView>
#include <QtGlobal>

class Dialogs;
class LoadedRecord;
class QWidget;
class RecordFile;

// Writes a record screen's record over its stored position. When another copy of the program
// changed the stored record since `loaded` was read, the user is asked first; No writes
// nothing and returns false. Throws RecordFileError, also for a position beyond the end.
bool updateLoadedRecord(Dialogs& dialogs, QWidget* screen, RecordFile& file, qint64 position,
                        QByteArrayView record, const LoadedRecord& loaded);
