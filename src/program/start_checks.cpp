#include "program/start_checks.h"

#include "program/program.h"
#include "ui/area_screen.h"

#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QWindow>

#include <cstdio>

namespace start_checks {

void say(const char* line) {
    std::fputs(line, stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

void reportWhenShown(Program& program) {
    struct Watcher : QObject {
        bool eventFilter(QObject* watched, QEvent* event) override {
            if (event->type() == QEvent::Expose && static_cast<QWindow*>(watched)->isExposed()) {
                say("shown");
                watched->removeEventFilter(this);
            }
            return false;
        }
    };
    if (QWindow* window = program.screens().area(QStringLiteral("frmPassword"))->windowHandle())
        window->installEventFilter(new Watcher);
}

void screenshotAndQuit(const QString& file) {
    QTimer::singleShot(1500, qApp, [file] {
        if (QScreen* screen = QGuiApplication::primaryScreen())
            screen->grabWindow(0).save(file);
        QCoreApplication::exit(0);
    });
}

void checkLoginAndQuit(Program& program, const QString& password) {
    // A wrong password opens a modal message; the time limit ends that too.
    QTimer::singleShot(15000, qApp, [] {
        say("timed out");
        QCoreApplication::exit(1);
    });
    QTimer::singleShot(0, qApp, [&program, password] {
        AreaScreen* login = program.screens().area(QStringLiteral("frmPassword"));
        if (!login->isVisible()) {
            say("login screen not shown");
            QCoreApplication::exit(1);
            return;
        }
        say("login screen shown");
        login->findChild<QLineEdit*>(QStringLiteral("txtPassword"))->setText(password);
        login->findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
        const bool menu = program.screens().area(QStringLiteral("frmAvvio"))->isVisible();
        say(menu ? "main menu shown" : "main menu not shown");
        QCoreApplication::exit(menu ? 0 : 1);
    });
}

} // namespace start_checks
