#pragma once

#include <QString>

#include <optional>

class QTextStream;

// The .xlsx exports for scheduled jobs, without a window or a display:
//   vestrano --data-dir DIR --export-xlsx veicoli FILE
//   vestrano --data-dir DIR --export-xlsx YEAR FILE
namespace xlsx_command {

enum Exit { Done = 0, Failed = 1, Usage = 2 };

// `what` is "veicoli" or a four-digit year. Reasons for a failure or a usage error go to
// `errors`, one Italian line each.
int exportWorkbook(const QString& programDir, const QString& what, const QString& target,
                   QTextStream& errors);

// The exit code when the command line asks for the export, nullopt when it does not (the
// program then starts as usual). Must run before any application object exists.
std::optional<int> runIfAsked(int argc, char* argv[]);

} // namespace xlsx_command
