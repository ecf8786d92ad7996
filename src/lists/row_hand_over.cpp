#include "lists/row_hand_over.h"

#include "lists/fixed_width.h"
#include "lists/result_list.h"
#include "records/record_file.h"

#include <QWidget>

void forEachRecordOfRow(RecordFile& file, const QString& selectedRow,
                        const std::function<QString(QByteArrayView)>& rowOf,
                        const std::function<void(qint64, QByteArrayView)>& handOver) {
    const QStringView wanted = fixed_width::trimmed(selectedRow);
    file.scan([&](qint64 position, QByteArrayView record) {
        const QString row = rowOf(record);
        if (fixed_width::trimmed(row) == wanted)
            handOver(position, record);
        return true;
    });
}

void handOverByRow(QWidget* screen, const ResultList& list, const RowHandOver& how) {
    try {
        std::unique_ptr<RecordFile> file = how.open();
        if (list.selectedRow() < 0)
            throw RecordFileError("no row selected");
        forEachRecordOfRow(*file, list.selectedText(), how.rowOf, how.handOver);
        file->close();
        file.reset();
        if (how.afterClose)
            how.afterClose();
    } catch (const std::exception&) {
        // Closed silently: the user sees the screen go, as after a hand-over.
    }
    screen->close();
}
