#pragma once

#include <QByteArrayView>
#include <QString>

class Dialogs;
class LoadedRecord;
class QWidget;
class RecordFile;

// Writes a record screen's record over its stored position. When another copy of the program
// changed the stored record since `loaded` was read, the user is asked first; No writes
// nothing and returns false. Throws RecordFileError, also for a position beyond the end.
bool updateLoadedRecord(Dialogs& dialogs, QWidget* screen, RecordFile& file, qint64 position,
                        QByteArrayView record, const LoadedRecord& loaded);

// The save of a record screen: over the position shown (as updateLoadedRecord) or, when the
// screen shows none, appended. Returns the position written, which `loaded` now holds, or 0
// when the user kept the stored record. Throws RecordFileError.
qint64 saveRecordOnScreen(Dialogs& dialogs, QWidget* screen, RecordFile& file, const QString& shownPosition,
                          QByteArrayView record, LoadedRecord& loaded);
