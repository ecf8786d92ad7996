#pragma once

#include <QDateTime>
#include <QString>

class QWidget;
struct AppContext;

namespace calendar {

// "Esporta calendario": writes Scadenze.ics in the program directory and offers to open it.
void exportFromMenu(AppContext& ctx, QWidget* menu);

// vestrano --data-dir DIR --export-calendar FILE, run without any window: `dataDir` is the
// data folder as the program resolved it (trailing separator). Returns the exit code (0 done,
// 1 failed, 2 no file named); `message` receives the line for standard error.
int exportToFile(const QString& dataDir, const QString& target, const QDateTime& now, QString& message);

} // namespace calendar
