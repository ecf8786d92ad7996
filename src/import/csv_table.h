#pragma once

#include <QByteArrayView>
#include <QChar>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

// A CSV file as spreadsheet programs write it: the separator (";", "," or tab) and the text
// encoding (UTF-8 with or without a byte-order mark, UTF-16 with one, else Windows-1252) are
// found from the file; fields may be quoted, with doubled quotes and line breaks inside.
namespace csv {

enum class Encoding { Utf8, Utf16, Windows1252 };

struct Row {
    int sheetRow = 0; // the row number a spreadsheet program shows: the header is row 1
    QStringList fields;
};

struct Table {
    QStringList header;
    QList<Row> rows; // rows with every field blank are left out
    QChar separator = u';';
    Encoding encoding = Encoding::Utf8;
};

// Bytes to text: a byte-order mark decides; otherwise UTF-8 when the bytes are valid UTF-8,
// Windows-1252 when they are not.
QString decode(QByteArrayView bytes, Encoding* found = nullptr);
// The separator the header line uses most, outside quotes; ";" when it uses none.
QChar detectSeparator(const QString& text);
QList<QStringList> parse(const QString& text, QChar separator);
Table read(QByteArrayView bytes);

// Files larger than this are refused rather than read into memory.
inline constexpr qint64 kMaxFileBytes = 64 * 1024 * 1024;

// nullopt when the file cannot be read or is too large; `error` then says why, in Italian.
std::optional<Table> readFile(const QString& path, QString* error);

} // namespace csv
