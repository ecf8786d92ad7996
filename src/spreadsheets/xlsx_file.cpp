#include "spreadsheets/xlsx_file.h"

#include "costs/cost_rules.h"
#include "records/text_rules.h"
#include "records/whole_file_save.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QTemporaryFile>

#include <xlsxwriter.h>

#include <cstdio>
#include <memory>

#include <unistd.h>

namespace xlsx {
namespace {

// Excel keeps dates as day numbers from 1900; older dates stay the text they are.
constexpr int kFirstExcelYear = 1900;

struct WorkbookCloser {
    void operator()(lxw_workbook* workbook) const { workbook_close(workbook); }
};
using Workbook = std::unique_ptr<lxw_workbook, WorkbookCloser>;

struct Formats {
    lxw_format* header;
    lxw_format* text;
    lxw_format* date;
    lxw_format* amount;
};

Formats makeFormats(lxw_workbook* workbook) {
    Formats f{};
    f.header = workbook_add_format(workbook);
    format_set_bold(f.header);
    format_set_num_format(f.header, "@");
    // "@" keeps a cell the user retypes a text, so a plate never becomes a number later.
    f.text = workbook_add_format(workbook);
    format_set_num_format(f.text, "@");
    f.date = workbook_add_format(workbook);
    format_set_num_format(f.date, "dd/mm/yyyy");
    f.amount = workbook_add_format(workbook);
    format_set_num_format(f.amount, "#,##0.00## \"\xE2\x82\xAC\"");
    return f;
}

// "dd/mm/yyyy" read by hand: QDate::fromString parses its format again for every cell.
QDate dateOf(const QString& text) {
    if (text.size() != 10 || text[2] != u'/' || text[5] != u'/')
        return {};
    int parts[3] = {0, 0, 0};
    const int starts[3] = {0, 3, 6}, lengths[3] = {2, 2, 4};
    for (int p = 0; p < 3; ++p)
        for (int i = starts[p]; i < starts[p] + lengths[p]; ++i) {
            if (!text[i].isDigit() || text[i].unicode() > u'9')
                return {};
            parts[p] = parts[p] * 10 + (text[i].unicode() - u'0');
        }
    const QDate date(parts[2], parts[1], parts[0]);
    return date.isValid() && date.year() >= kFirstExcelYear ? date : QDate();
}

lxw_error writeCell(lxw_worksheet* sheet, lxw_row_t row, lxw_col_t column, spreadsheet::CellKind kind,
                    const QString& raw, const Formats& formats) {
    const QString text = text::trimmed(raw);
    if (text.isEmpty())
        return LXW_NO_ERROR;
    if (kind == spreadsheet::CellKind::Date) {
        if (const QDate date = dateOf(text); date.isValid()) {
            lxw_datetime when{date.year(), date.month(), date.day(), 0, 0, 0.0};
            return worksheet_write_datetime(sheet, row, column, &when, formats.date);
        }
    } else if (kind == spreadsheet::CellKind::Amount) {
        if (const auto value = cost_rules::readAmount(text))
            return worksheet_write_number(sheet, row, column, *value, formats.amount);
    }
    // A value the grid holds that is no date or amount (typed into the grid) stays as typed.
    return worksheet_write_string(sheet, row, column, text.toUtf8().constData(), formats.text);
}

// The library prints its own English lines on standard error; the caller reports the failure
// in Italian, and a scheduled job's log should hold only that.
class QuietLibrary {
public:
    QuietLibrary() : m_saved(::dup(STDERR_FILENO)) {
        std::fflush(stderr);
        if (FILE* null = std::fopen("/dev/null", "w")) {
            ::dup2(::fileno(null), STDERR_FILENO);
            std::fclose(null);
        }
    }
    ~QuietLibrary() {
        if (m_saved < 0)
            return;
        std::fflush(stderr);
        ::dup2(m_saved, STDERR_FILENO);
        ::close(m_saved);
    }
    QuietLibrary(const QuietLibrary&) = delete;
    QuietLibrary& operator=(const QuietLibrary&) = delete;

private:
    int m_saved;
};

// Writes the workbook to `file`; the library keeps only the current row in memory.
bool writeWorkbook(const QString& file, const spreadsheet::Sheet& sheet, int rowCount,
                   const spreadsheet::CellSource& cell, QString& error) {
    lxw_workbook_options options{};
    options.constant_memory = LXW_TRUE;
    const QByteArray name = QFile::encodeName(file);
    Workbook workbook(workbook_new_opt(name.constData(), &options));
    if (!workbook) {
        error = QStringLiteral("impossibile creare la cartella di lavoro");
        return false;
    }
    const QByteArray sheetName = sheet.name.toUtf8();
    lxw_worksheet* worksheet = workbook_add_worksheet(workbook.get(), sheetName.constData());
    if (!worksheet) {
        error = QStringLiteral("nome del foglio non valido");
        return false;
    }
    const Formats formats = makeFormats(workbook.get());
    const auto columns = static_cast<lxw_col_t>(sheet.columns.size());

    lxw_error status = LXW_NO_ERROR;
    for (lxw_col_t c = 0; c < columns && status == LXW_NO_ERROR; ++c) {
        const spreadsheet::Column& column = sheet.columns[c];
        status = worksheet_set_column_pixels(worksheet, c, c, static_cast<uint32_t>(column.width), nullptr);
        if (status == LXW_NO_ERROR)
            status = worksheet_write_string(worksheet, 0, c, column.caption.toUtf8().constData(),
                                            formats.header);
    }
    worksheet_freeze_panes(worksheet, 1, 0);
    if (status == LXW_NO_ERROR && columns > 0)
        status = worksheet_autofilter(worksheet, 0, 0, static_cast<lxw_row_t>(rowCount), columns - 1);
    for (int row = 0; row < rowCount && status == LXW_NO_ERROR; ++row)
        for (lxw_col_t c = 0; c < columns && status == LXW_NO_ERROR; ++c)
            status = writeCell(worksheet, static_cast<lxw_row_t>(row + 1), c, sheet.columns[c].kind,
                               cell(row, static_cast<int>(c)), formats);
    if (status != LXW_NO_ERROR) {
        error = QString::fromUtf8(lxw_strerror(status));
        return false;
    }
    status = workbook_close(workbook.release());
    if (status != LXW_NO_ERROR) {
        error = QString::fromUtf8(lxw_strerror(status));
        return false;
    }
    return true;
}

} // namespace

bool save(const QString& path, const spreadsheet::Sheet& sheet, int rowCount,
          const spreadsheet::CellSource& cell, QString* error) {
    QString why;
    // The library writes to a path of its own choosing; the finished workbook then reaches the
    // data folder through the save routine, so a failure never leaves half a file there.
    QTemporaryFile scratch(QDir::tempPath() + QStringLiteral("/vestrano-XXXXXX.xlsx"));
    bool ok = scratch.open();
    if (!ok)
        why = scratch.errorString();
    scratch.close();
    if (ok) {
        QuietLibrary quiet;
        ok = writeWorkbook(scratch.fileName(), sheet, rowCount, cell, why);
    }
    ok = ok && copyWholeFile(scratch.fileName(), path, &why);
    if (!ok && error)
        *error = why;
    return ok;
}

} // namespace xlsx
