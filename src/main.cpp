#include "app/app_context.h"
#include "backup/backup_command.h"
#include "reports/dialog_printing.h"
#include "app/formats.h"
#include "ui/area_screen.h"
#include "program/program.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QScreen>
#include <QTimer>
#include <QWindow>

#include <QTextStream>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>

namespace {

// Prints one line when the window first reaches the screen.
void reportWhenExposed(QWindow* window) {
    struct Watcher : QObject {
        bool eventFilter(QObject* watched, QEvent* event) override {
            if (event->type() == QEvent::Expose && static_cast<QWindow*>(watched)->isExposed()) {
                std::fputs("shown\n", stdout);
                std::fflush(stdout);
                watched->removeEventFilter(this);
            }
            return false;
        }
    };
    if (window)
        window->installEventFilter(new Watcher);
}

} // namespace

int main(int argc, char* argv[]) {
    // Software drawing: no graphics hardware is needed.
    QCoreApplication::setAttribute(Qt::AA_UseSoftwareOpenGL);
    // The headless verb needs no display.
    const bool headless = std::any_of(argv + 1, argv + argc, [](const char* a) { return std::strcmp(a, "--backup") == 0; });
    const std::unique_ptr<QCoreApplication> application =
        headless ? std::make_unique<QCoreApplication>(argc, argv) : std::make_unique<QApplication>(argc, argv);
    QCoreApplication& app = *application;
    QApplication::setApplicationName(QStringLiteral("Vestrano"));
    QApplication::setApplicationVersion(QStringLiteral("3.0"));
    if (!headless)
        QApplication::setQuitOnLastWindowClosed(false);
    formats::applyProcessWide();

    QCommandLineParser parser;
    parser.addHelpOption();
    const QCommandLineOption dataDir(QStringLiteral("data-dir"),
                                     QStringLiteral("Keep the data in DIR instead of the program's folder."),
                                     QStringLiteral("DIR"));
    const QCommandLineOption screenshot(QStringLiteral("screenshot"),
                                        QStringLiteral("Save a picture of the first screen to FILE and stop."),
                                        QStringLiteral("FILE"));
    const QCommandLineOption reportShown(QStringLiteral("report-shown"),
                                         QStringLiteral("Print a line once the first screen is on screen."));
    parser.addOption(dataDir);
    parser.addOption(screenshot);
    const QCommandLineOption backupNow(QStringLiteral("backup"),
                                       QStringLiteral("Write one backup of the data folder and stop."));
    parser.addOption(reportShown);
    parser.addOption(backupNow);
    parser.process(app);

    QString programDir = parser.isSet(dataDir) ? parser.value(dataDir) : QCoreApplication::applicationDirPath();
    programDir = QDir(programDir).absolutePath();
    QDir().mkpath(programDir);
    if (!programDir.endsWith(QDir::separator()) && !programDir.endsWith(u'/'))
        programDir += u'/';

    SystemClock clock;
    if (headless) {
        QTextStream out(stdout);
        QTextStream err(stderr);
        return backup::runBackupCommand(programDir, clock.now(), out, err);
    }
    WidgetDialogs dialogs;
    DesktopShell shell;
    DialogPrinting printing;
    AppContext ctx;
    ctx.programDir = programDir;
    ctx.clock = &clock;
    ctx.dialogs = &dialogs;
    ctx.shell = &shell;
    ctx.printing = &printing;
    ctx.quit = [] { QCoreApplication::exit(0); };

    Program program(ctx);
    program.start();

    if (parser.isSet(reportShown)) // for the start-up benchmark
        reportWhenExposed(program.screens().area(QStringLiteral("frmPassword"))->windowHandle());
    if (parser.isSet(screenshot)) {
        const QString file = parser.value(screenshot);
        QTimer::singleShot(1500, &app, [file] {
            if (QScreen* screen = QGuiApplication::primaryScreen())
                screen->grabWindow(0).save(file);
            QCoreApplication::exit(0);
        });
    }
    return app.exec();
}
