#include "vehicle_output/spreadsheet_file.h"

#include "records/cp1252.h"
#include "records/text_rules.h"

#include "records/whole_file_save.h"

namespace spreadsheet {
namespace {

constexpr qsizetype kFlushBytes = 1 << 20;

// Everything before the header cells, one piece after the other with nothing between them.
QByteArray head(const QString& sheetName) {
    QByteArray out;
    out += "<html xmlns:o=\"urn:schemas-microsoft-com:office:office\" "
           "xmlns:x=\"urn:schemas-microsoft-com:office:excel\" "
           "xmlns=\"http://www.w3.org/TR/REC-html40\">";
    out += "<head>";
    out += "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=windows-1252\">";
    out += "<!--[if gte mso 9]><xml>";
    out += "<x:ExcelWorkbook>";
    out += "<x:ExcelWorksheets>";
    out += "<x:ExcelWorksheet>";
    out += "<x:Name>" + cellBytes(sheetName) + "</x:Name>";
    out += "<x:WorksheetOptions>";
    out += "<x:Selected/>";
    out += "<x:Panes>";
    out += "<x:Pane>";
    out += "<x:Number>1</x:Number>";
    out += "<x:ActiveRow>3</x:ActiveRow>";
    out += "</x:Pane>";
    out += "</x:Panes>";
    out += "<x:ProtectContents>False</x:ProtectContents>";
    out += "<x:ProtectObjects>False</x:ProtectObjects>";
    out += "<x:ProtectScenarios>False</x:ProtectScenarios>";
    out += "</x:WorksheetOptions>";
    out += "</x:ExcelWorksheet>";
    out += "</x:ExcelWorksheets>";
    out += "</x:ExcelWorkbook>";
    out += "</xml><![endif]-->";
    out += "</head>";
    out += "<body>";
    out += "<table x:str>";
    return out;
}

} // namespace

QByteArray cellBytes(const QString& text) {
    const QString t = text::trimmed(text);
    QByteArray out;
    out.reserve(t.size());
    for (QChar c : t) {
        switch (c.unicode()) {
        case u'&':
            out += "&amp;";
            break;
        case u'<':
            out += "&lt;";
            break;
        case u'>':
            out += "&gt;";
            break;
        case u'"':
            out += "&quot;";
            break;
        // The file is one line; a break kept inside a cell must not end it.
        case u'\r':
            out += "&#13;";
            break;
        case u'\n':
            out += "&#10;";
            break;
        default:
            out += cp1252::encodeChar(c);
        }
    }
    return out;
}

bool write(QIODevice& device, const Sheet& sheet, int rowCount, const CellSource& cell, QString& error) {
    QByteArray out = head(sheet.name);
    out += "<tr>";
    for (const Column& column : sheet.columns)
        out += "<td style=\"text-align: left; font-weight: bold;\" width=" +
               QByteArray::number(column.width) + ">" + cellBytes(column.caption) + "</td>";
    out += "</tr>";

    const auto flush = [&device, &out, &error] {
        const bool ok = writeAll(device, out, error);
        out.clear();
        return ok;
    };
    const auto columns = static_cast<int>(sheet.columns.size());
    for (int row = 0; row < rowCount; ++row) {
        out += "<tr>";
        for (int column = 0; column < columns; ++column)
            out += "<td style=\"text-align: left;\">" + cellBytes(cell(row, column)) + "</td>";
        out += "</tr>";
        if (out.size() >= kFlushBytes && !flush())
            return false;
    }
    out += "</table>";
    out += "</body>";
    out += "</html>";
    return flush();
}

bool write(QIODevice& device, const Sheet& sheet, int rowCount, const CellSource& cell) {
    QString error;
    return write(device, sheet, rowCount, cell, error);
}

bool save(const QString& path, const Sheet& sheet, int rowCount, const CellSource& cell, QString* error) {
    return saveWholeFile(
        path, [&](QIODevice& out, QString& why) { return write(out, sheet, rowCount, cell, why); }, error);
}

} // namespace spreadsheet
