#include "calendar/calendar_export.h"

#include "app/app_context.h"
#include "ui/shared_messages.h"
#include "calendar/deadline_calendar.h"
#include "records/whole_file_save.h"
#include "vehicles/vehicle_file.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace calendar {
namespace {

QString countText(int events) {
    return events == 1 ? QStringLiteral("1 scadenza") : QStringLiteral("%1 scadenze").arg(events);
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
        ctx.dialogs->notice(menu, NoticeKind::Warning, shared_messages::accessFailure());
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

int exportToFile(const QString& dataDir, const QString& target, const QDateTime& now, QString& message) {
    if (target.isEmpty()) {
        message = QStringLiteral("vestrano: manca il nome del file del calendario (--export-calendar FILE)");
        return 2;
    }
    const QString vehiclesPath = VehicleFile::pathIn(dataDir);

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
    if (!saveWholeFile(target, content, &reason)) {
        message = QStringLiteral("vestrano: impossibile salvare il calendario %1 (%2)")
                      .arg(QDir::toNativeSeparators(target), reason);
        return 1;
    }
    return 0;
}

} // namespace calendar
