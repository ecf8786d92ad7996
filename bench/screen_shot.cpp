// Developer tool: opens one area screen as the user would reach it and saves a picture of it.
// Usage: screen_shot DATA_DIR SCREEN_NAME OUT.png [login]   (works with QT_QPA_PLATFORM=offscreen)
// SCREEN_NAME frmPromemoriaScadenze shows the deadline reminder over the main menu, frmBackup the
// backup screen. With "login" the main menu is reached as after a correct password, and a
// message box it shows is pictured instead.
#include "alerts/due_alert_screen.h"
#include "app/app_context.h"
#include "app/formats.h"
#include "program/desktop_seams.h"
#include "ui/area_screen.h"
#include "program/program.h"
#include "backup/backup_screen.h"
#include "login/password_screen.h"

#include <QApplication>
#include <QDir>
#include <QTimer>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    formats::applyProcessWide();
    if (argc < 4) {
        std::fprintf(stderr, "usage: screen_shot DATA_DIR SCREEN_NAME OUT.png\n");
        return 2;
    }
    DesktopSeams seams;
    AppContext ctx = seams.contextFor(QDir(QString::fromLocal8Bit(argv[1])).absolutePath() + u'/');
    Program program(ctx);
    program.start();
    const QString name = QString::fromLocal8Bit(argv[2]);
    const QString out = QString::fromLocal8Bit(argv[3]);
    if (name == QLatin1String("frmPromemoriaScadenze")) {
        AreaScreen* menu = program.screens().area(QStringLiteral("frmAvvio"));
        program.screens().area(QStringLiteral("frmPassword"))->goTo(QStringLiteral("frmAvvio"));
        alerts::remindOnEntering(ctx, menu);
        QTimer::singleShot(300, &app, [menu, name, out] {
            if (auto* alert = menu->findChild<QWidget*>(name))
                alert->grab().save(out);
            QCoreApplication::exit(0);
        });
        return app.exec();
    }
    const bool backupScreen = name == QLatin1String("frmBackup");
    AreaScreen* target = program.screens().area(backupScreen ? QStringLiteral("frmAvvio") : name);
    if (!target) {
        std::fprintf(stderr, "no area screen %s\n", argv[2]);
        return 1;
    }
    auto* password = static_cast<PasswordScreen*>(program.screens().area(QStringLiteral("frmPassword")));
    if (target != password)
        password->goTo(target->objectName());
    target->resize(1366, 768);
    QWidget* shown = target;
    if (backupScreen)
        shown = BackupScreen::open(ctx, target, program.backups());
    if (argc > 4 && QByteArray(argv[4]) == "login")
        QTimer::singleShot(0, password, &PasswordScreen::accepted);
    QTimer::singleShot(1500, &app, [shown, out] {
        QWidget* box = QApplication::activeModalWidget();
        (box && box != shown ? box : shown)->grab().save(out);
        QCoreApplication::exit(0);
    });
    return app.exec();
}
