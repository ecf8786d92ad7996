#pragma once

#include "vehicle_output/spreadsheet_file.h"

#include <QString>

// The exports as real Office Open XML workbooks: texts stay texts (a plate or a phone number
// never turns into a number), amounts are numbers in euro, dates are dates, and the header row
// is bold, frozen and carries an autofilter. Written in constant memory, row after row.
namespace xlsx {

// Column widths in the sheet are taken as pixels, as the grid shows them.
// Writes the workbook at `path` through the whole-file save routine: any failure leaves an
// earlier file byte-identical and comes back as false, with the reason in `error`.
bool save(const QString& path, const spreadsheet::Sheet& sheet, int rowCount,
          const spreadsheet::CellSource& cell, QString* error = nullptr);

} // namespace xlsx
