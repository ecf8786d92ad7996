#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// Reads an exported spreadsheet back through a real spreadsheet program: LibreOffice
// converts it to CSV, which is parsed into rows of cell texts.
namespace spreadsheet_reader {

// The LibreOffice program, or empty when it is not installed.
QString office();

// nullopt when the conversion fails; `error` then says why.
std::optional<QList<QStringList>> readWithOffice(const QString& path, QString* error);

QList<QStringList> parseCsv(const QString& text);

} // namespace spreadsheet_reader
