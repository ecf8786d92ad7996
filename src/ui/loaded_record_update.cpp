#include "ui/loaded_record_update.h"

#include "app/dialogs.h"
#include "records/loaded_record.h"
#include "records/record_file.h"

namespace {

const QString kChangedElsewhere = QStringLiteral(
    "Un'altra copia del programma ha modificato questa scheda dopo che è stata caricata.\r\n\r\n"
    "Sovrascrivere le modifiche dell'altra copia?");

} // namespace

bool updateLoadedRecord(Dialogs& dialogs, QWidget* screen, RecordFile& file, qint64 position,
                        QByteArrayView record, const LoadedRecord& loaded) {
    const auto unchanged = [&](QByteArrayView stored) { return loaded.unchangedAt(position, stored); };
    if (file.updateIfUnchanged(position, record, unchanged))
        return true;
    // The lock is not held while the user thinks: other copies go on appending meanwhile.
    if (!dialogs.question(screen, kChangedElsewhere))
        return false;
    file.updateAt(position, record);
    return true;
}

qint64 saveRecordOnScreen(Dialogs& dialogs, QWidget* screen, RecordFile& file, const QString& shownPosition,
                          QByteArrayView record, LoadedRecord& loaded) {
    qint64 position = 0;
    if (shownPosition.isEmpty()) {
        position = file.append(record);
    } else {
        position = shownPosition.toLongLong();
        if (!updateLoadedRecord(dialogs, screen, file, position, record, loaded))
            return 0;
    }
    loaded.remember(position, record);
    return position;
}
