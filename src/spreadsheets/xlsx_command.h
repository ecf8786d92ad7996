#pragma once

#include <QString>

class QTextStream;

// The .xlsx exports for scheduled jobs, without a window or a display:
//   vestrano --data-dir DIR --export-xlsx veicoli FILE
//   vestrano --data-dir DIR --export-xlsx YEAR FILE
namespace xlsx_command {

enum Exit { Done = 0, Failed = 1, Usage = 2 };

// `what` is "veicoli" or a four-digit year; `programDir` the data folder. Returns an exit code;
// the reason for a failure or a usage error goes to `errors`, one Italian line.
int exportWorkbook(const QString& programDir, const QString& what, const QString& target,
                   QTextStream& errors);

} // namespace xlsx_command
