#include "calendar/calendar_export.h"

#include "app/app_context.h"
#include "app/formats.h"
#include "calendar/deadline_calendar.h"
#include "records/whole_file_save.h"
#include "vehicles/vehicle_file.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdio>

namespace calendar {
namespace {

const QString kAccessMessage = QStringLiteral(
    "Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\rAccertarsi di possedere i privilegi di "
    "scrittura nella cartella di installazione del programma.");

const QString kOption = QStringLiteral("export-calendar");

QString countText(int events) {
    return events == 1 ? QStringLiteral("1 scadenza") : QStringLiteral("%1 scadenze").arg(events);
}

QString usage() {
    return QStringLiteral("Uso: vestrano [--data-dir CARTELLA] --export-calendar FILE");
}

} // namespace

void exportFromMenu(AppContext& ctx, QWidget* menu) {
    QByteArray content;
    int events = 0;
    try {
        VehicleFile vehicles(ctx.programDir);
        content = deadlineCalendar(vehicles, ctx.clock->now(), &events);
        vehicles.close();
    } catch (const RecordFileError&) {
        ctx.dialogs->notice(menu, NoticeKind::Warning, kAccessMessage);
        return;
    }
    const QString path = ctx.path(QLatin1String(kFileName));
    QString reason;
    if (!saveWholeFile(path, content, &reason)) {
        ctx.dialogs->notice(menu, NoticeKind::Warning,
                            QStringLiteral("Attenzione: non è stato possibile salvare il file %1 (%2).\n\r\n\rIl file "
                                           "precedente, se c'era, è rimasto com'era.")
                                .arg(QLatin1String(kFileName), reason));
        return;
    }
    if (ctx.dialogs->question(menu, QStringLiteral("Il file %1 con %2 da oggi in poi è stato salvato nella cartella "
                                                   "del programma.\r\n\r\nVuoi aprirlo ora con il calendario?")
                                        .arg(QLatin1String(kFileName), countText(events))))
        ctx.shell->open(path);
}

bool isExportCommand(const QStringList& arguments) {
    const QString flag = QStringLiteral("--") + kOption;
    for (const QString& a : arguments)
        if (a == flag || a.startsWith(flag + u'='))
            return true;
    return false;
}

bool isExportCommand(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return isExportCommand(arguments);
}

int runExportCommand(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    formats::applyProcessWide();
    QString message;
    const int code = exportCommand(QCoreApplication::arguments(), QCoreApplication::applicationDirPath(),
                                   SystemClock().now(), message);
    if (!message.isEmpty())
        std::fprintf(stderr, "%s\n", message.toLocal8Bit().constData());
    return code;
}

int exportCommand(const QStringList& arguments, const QString& programDir, const QDateTime& now,
                  QString& message) {
    QCommandLineParser parser;
    const QCommandLineOption dataDir(QStringLiteral("data-dir"), QString(), QStringLiteral("DIR"));
    const QCommandLineOption target(kOption, QString(), QStringLiteral("FILE"));
    parser.addOption(dataDir);
    parser.addOption(target);
    if (!parser.parse(arguments) || !parser.positionalArguments().isEmpty() || parser.value(target).isEmpty()) {
        message = usage();
        return 2;
    }
    const QString dir = parser.isSet(dataDir) ? parser.value(dataDir) : programDir;
    const QString vehiclesPath = VehicleFile::pathIn(QDir(dir).absolutePath() + u'/');

    // A scheduled job must not create files in a folder given by mistake: the vehicle file is
    // only read, and a missing one is an error.
    QByteArray content;
    int events = 0;
    try {
        auto file = std::make_unique<QFile>(vehiclesPath);
        if (!QFileInfo(vehiclesPath).isFile() || !file->open(QIODevice::ReadOnly))
            throw RecordFileError("cannot open");
        RecordFile vehicles(std::move(file), TSchedaVeicolo::kRecordSize);
        content = deadlineCalendar(vehicles, now, &events);
    } catch (const RecordFileError&) {
        message = QStringLiteral("vestrano: impossibile leggere l'archivio dei veicoli %1")
                      .arg(QDir::toNativeSeparators(vehiclesPath));
        return 1;
    }
    QString reason;
    if (!saveWholeFile(parser.value(target), content, &reason)) {
        message = QStringLiteral("vestrano: impossibile salvare il calendario %1 (%2)")
                      .arg(QDir::toNativeSeparators(parser.value(target)), reason);
        return 1;
    }
    return 0;
}

} // namespace calendar
