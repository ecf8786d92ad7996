#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

class QWidget;
struct AppContext;

namespace calendar {

// "Esporta calendario": writes Scadenze.ics in the program directory and offers to open it.
void exportFromMenu(AppContext& ctx, QWidget* menu);

// vestrano [--data-dir DIR] --export-calendar FILE, run without any window. Returns the exit
// code (0 done, 1 failed, 2 usage error); `message` receives what goes to standard error.
// `programDir` is where the data lives when no --data-dir is given.
int exportCommand(const QStringList& arguments, const QString& programDir, const QDateTime& now,
                  QString& message);
// Whether the command line asks for the headless export (decided before any window exists).
bool isExportCommand(const QStringList& arguments);
bool isExportCommand(int argc, char* argv[]);
// The program when it is started for the headless export: no display needed.
int runExportCommand(int argc, char* argv[]);

} // namespace calendar
