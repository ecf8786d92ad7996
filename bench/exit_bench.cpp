// How long the process takes to end once its last window closes, after a working session:
// the real program with its real dialogs and printing, logged in, areas visited, a deadline
// list scanned, the statistics chart drawn, the print dialog and preview opened; then the main menu is closed as the user does.
// Prints the milliseconds from the close to the end of main(); the caller times the whole
// process ("closed" is printed at the close). Usage: exit_bench DATA_DIR  (needs a display).
#include "app/app_context.h"
#include "app/formats.h"
#include "program/program.h"
#include "program/desktop_seams.h"
#include "program/start_checks.h"
#include "ui/area_screen.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QTimer>

#include <cstdio>

int main(int argc, char* argv[]) {
    QCoreApplication::setAttribute(Qt::AA_UseSoftwareOpenGL);
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    formats::applyProcessWide();
    if (argc < 2) {
        std::fprintf(stderr, "usage: exit_bench DATA_DIR\n");
        return 2;
    }
    DesktopSeams seams;
    AppContext ctx = seams.contextFor(QDir(QString::fromLocal8Bit(argv[1])).absolutePath() + u'/');
    QElapsedTimer sinceClose;
    {
        Program program(ctx);
        program.start();
        Screens& screens = program.screens();
        const auto step = [](int ms, auto what) { QTimer::singleShot(ms, qApp, what); };
        step(300, [&] {
            AreaScreen* login = screens.area(QStringLiteral("frmPassword"));
            login->findChild<QLineEdit*>(QStringLiteral("txtPassword"))->setText(QStringLiteral("bicchierelungo"));
            login->findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
        });
        step(600, [&] { screens.area(QStringLiteral("frmAvvio"))->goTo(QStringLiteral("frmMenuScadenze")); });
        step(900, [&] {
            screens.area(QStringLiteral("frmMenuScadenze"))
                ->findChild<QPushButton*>(QStringLiteral("btnRevisione"))
                ->click();
        });
        step(1300, [&] {
            if (QWidget* list = QApplication::activeModalWidget())
                list->close();
            screens.area(QStringLiteral("frmMenuScadenze"))->close();
        });
        step(1600, [&] { screens.area(QStringLiteral("frmAvvio"))->goTo(QStringLiteral("frmStatCosti")); });
        step(1900, [&] {
            AreaScreen* stats = screens.area(QStringLiteral("frmStatCosti"));
            stats->findChild<QPushButton*>(QStringLiteral("btnApri"))->click();
        });
        step(2400, [&] {
            AreaScreen* stats = screens.area(QStringLiteral("frmStatCosti"));
            // The print dialog and the preview, closed as soon as they are up.
            QTimer::singleShot(300, qApp, [] { QApplication::activeModalWidget()->close(); });
            QPrinter printer;
            ctx.printing->choosePrinter(printer, stats);
            QTimer::singleShot(300, qApp, [] { QApplication::activeModalWidget()->close(); });
            ctx.printing->preview(stats, QStringLiteral("Anteprima"), [](QPrinter&) {});
            stats->close();
        });
        step(3800, [&] {
            start_checks::say("closed");
            sinceClose.start();
            screens.area(QStringLiteral("frmAvvio"))->close();
        });
        app.exec();
    }
    std::printf("main menu closed to end of main: %lld ms\n", static_cast<long long>(sinceClose.elapsed()));
    return 0;
}
