#pragma once

#include "app/app_context.h"
#include "app/clock.h"
#include "app/dialogs.h"
#include "app/shell.h"
#include "reports/dialog_printing.h"

#include <QCoreApplication>
#include <QString>

// The real clock, dialogs, desktop and printing, as the program runs with them; the developer
// tools that drive the real program use the same.
struct DesktopSeams {
    SystemClock clock;
    WidgetDialogs dialogs;
    DesktopShell shell;
    DialogPrinting printing;

    // A context on these seams for the data folder `programDir` (ending in '/'); quitting ends
    // the event loop.
    AppContext contextFor(const QString& programDir) {
        AppContext ctx;
        ctx.programDir = programDir;
        ctx.clock = &clock;
        ctx.dialogs = &dialogs;
        ctx.shell = &shell;
        ctx.printing = &printing;
        ctx.quit = [] { QCoreApplication::exit(0); };
        return ctx;
    }
};
