#include "app/app_context.h"
#include "app/data_folder.h"
#include "app/formats.h"
#include "login/password_store.h"
#include "program/command_line.h"
#include "program/desktop_identity.h"
#include "program/desktop_seams.h"
#include "program/program.h"
#include "program/qt_translations.h"
#include "program/start_checks.h"

#include <QApplication>
#include <QDir>

#include <cstdio>

namespace {

QStringList argumentsOf(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return arguments;
}

data_folder::Resolved dataFolderFor(const command_line::Request& request) {
    return data_folder::resolve(data_folder::gather(request.dataDir, data_folder::userSettingsFile()));
}

// Headless: no window, no display needed.
int runVerb(int argc, char* argv[], const command_line::Request& request) {
    QCoreApplication app(argc, argv);
    desktop_identity::nameApplication();
    formats::applyProcessWide();
    return request.verb->run({dataFolderFor(request).dir, request.verbValue, request.verbArguments});
}

int runProgram(int argc, char* argv[], const command_line::Request& request) {
    // Software drawing: no graphics hardware is needed.
    QCoreApplication::setAttribute(Qt::AA_UseSoftwareOpenGL);
    QApplication app(argc, argv);
    desktop_identity::nameApplication();
    desktop_identity::identifyWindows();
    QApplication::setQuitOnLastWindowClosed(false);
    formats::applyProcessWide();
    qt_translations::install(app);

    const data_folder::Resolved folder = dataFolderFor(request);
    if (folder.mayCreate)
        QDir().mkpath(folder.dir);
    const QString delivered = data_folder::deliveredDir(QCoreApplication::applicationDirPath());
    // A store that cannot be seeded shows up at the login screen as the read error.
    data_folder::seed(folder.dir, delivered, QLatin1String(PasswordStore::kFileName));

    DesktopSeams seams;
    AppContext ctx = seams.contextFor(folder.dir);
    ctx.deliveredDir = delivered;
    ctx.settingsFile = data_folder::userSettingsFile();

    Program program(ctx);
    program.start();

    if (request.reportShown)
        start_checks::reportWhenShown(program);
    if (!request.screenshot.isEmpty())
        start_checks::screenshotAndQuit(request.screenshot);
    if (!request.checkLogin.isEmpty())
        start_checks::checkLoginAndQuit(program, request.checkLogin);
    return app.exec();
}

} // namespace

int main(int argc, char* argv[]) {
    const command_line::Request request = command_line::parse(argumentsOf(argc, argv));
    switch (request.action) {
    case command_line::Action::Help:
        std::fputs(qPrintable(command_line::helpText()), stdout);
        return command_line::kDone;
    case command_line::Action::Version:
        std::fputs(qPrintable(command_line::versionText()), stdout);
        return command_line::kDone;
    case command_line::Action::UsageError:
        std::fputs(qPrintable(QStringLiteral("vestrano: ") + request.error + u'\n' + command_line::helpText()),
                   stderr);
        return command_line::kUsage;
    case command_line::Action::Verb:
        return runVerb(argc, argv, request);
    case command_line::Action::Start:
        break;
    }
    return runProgram(argc, argv, request);
}
