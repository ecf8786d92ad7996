#pragma once

#include <QByteArrayView>
#include <QString>

#include <functional>
#include <memory>

class QWidget;
class RecordFile;
class ResultList;

// Hand-over by row. A list shows text rows only, so a double-clicked row is traced back to its
// records by building every record's row again, exactly as the list was built, and comparing
// it (both trimmed, case counting) with the chosen row. Every equal record is handed over in
// file order, so when several give the same row the one stored last is what the opener ends
// up showing. A screen wires it to its list like this:
//
//     connect(list, &ResultList::rowChosen, this, [this] {
//         handOverByRow(this, *m_list, {
//             .open = [this] { return std::make_unique<VehicleFile>(m_ctx.programDir); },
//             .rowOf = [](QByteArrayView record) { return searchRow(record); },
//             .handOver = [this](qint64 position, QByteArrayView record) { ...write into the opener... },
//             .afterClose = [this] { ...what must wait for the file to be closed... },
//         });
//     });
struct RowHandOver {
    std::function<std::unique_ptr<RecordFile>()> open;
    std::function<QString(QByteArrayView record)> rowOf;
    std::function<void(qint64 position, QByteArrayView record)> handOver;
    std::function<void()> afterClose; // optional; runs only when the scan got through
};

// The whole double-click: opens the file (created when missing), takes the selected row,
// hands over every record of that row, closes the file, runs afterClose and closes `screen`.
// Any failure (no row selected, the file cannot be opened or read) closes `screen` at once
// without a message; what was handed over before it stays.
void handOverByRow(QWidget* screen, const ResultList& list, const RowHandOver& how);

// The scan alone. Throws RecordFileError.
void forEachRecordOfRow(RecordFile& file, const QString& selectedRow,
                        const std::function<QString(QByteArrayView record)>& rowOf,
                        const std::function<void(qint64 position, QByteArrayView record)>& handOver);
