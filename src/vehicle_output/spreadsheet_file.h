#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <functional>

class QIODevice;

// The spreadsheet exports: an HTML table with Office workbook markup, written as one line of
// Windows-1252 text without a byte-order mark, which spreadsheet programs open as a workbook.
namespace spreadsheet {

struct Column {
    QString caption;
    int width = 0;
};

struct Sheet {
    QString name;
    QList<Column> columns;
};

// The text of (row, column), column counted in the sheet's columns.
using CellSource = std::function<QString(int row, int column)>;

// A caption or a cell as it goes into the file: blanks around it removed, the characters the
// markup would take as its own written as character references, then Windows-1252.
QByteArray cellBytes(const QString& text);

// Writes the whole file to an open device. Returns false when a write fails, and why in `error`.
bool write(QIODevice& device, const Sheet& sheet, int rowCount, const CellSource& cell, QString& error);
bool write(QIODevice& device, const Sheet& sheet, int rowCount, const CellSource& cell);

// Writes the file at `path` through the whole-file save, so a failure leaves any earlier
// export byte for byte as it was. Returns false on any failure, and why in `error`.
bool save(const QString& path, const Sheet& sheet, int rowCount, const CellSource& cell,
          QString* error = nullptr);

} // namespace spreadsheet
