#include "spreadsheets/xlsx_command.h"

#include "costs/cost_export.h"
#include "costs/cost_file.h"
#include "records/record_file.h"
#include "spreadsheets/xlsx_file.h"
#include "vehicle_output/export_screen.h"
#include "vehicle_output/vehicle_export.h"
#include "vehicles/vehicle_file.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTextStream>

namespace xlsx_command {
namespace {

const QString kVehicles = QStringLiteral("veicoli");
const QString kUsage =
    QStringLiteral("Uso: vestrano [--data-dir CARTELLA] --export-xlsx veicoli|ANNO FILE");

QString shown(const QString& path) {
    return QDir::toNativeSeparators(path);
}

} // namespace

int exportWorkbook(const QString& programDir, const QString& what, const QString& target,
                   QTextStream& errors) {
    static const QRegularExpression year(QStringLiteral("^[0-9]{4}$"));
    const bool vehicles = what == kVehicles;
    if ((!vehicles && !year.match(what).hasMatch()) || target.isEmpty()) {
        errors << kUsage << Qt::endl;
        return Usage;
    }
    if (!QFileInfo(programDir).isDir()) {
        errors << QStringLiteral("Errore: la cartella dei dati %1 non esiste.").arg(shown(programDir))
               << Qt::endl;
        return Failed;
    }
    QString dir = programDir;
    if (!dir.endsWith(u'/'))
        dir += u'/';
    const ExportSetup& setup = vehicles ? vehicle_export::setup() : cost_export::setup();
    const QString source = vehicles ? VehicleFile::pathIn(dir) : CostFile::pathFor(dir, what);
    // A scheduled job pointed at the wrong folder must hear about it: nothing is created here.
    if (!QFileInfo(source).isFile()) {
        errors << QStringLiteral("Errore: il file %1 non esiste.").arg(shown(source)) << Qt::endl;
        return Failed;
    }

    QString why;
    const QString output = QFileInfo(target).absoluteFilePath();
    bool written = false;
    try {
        RecordFile file(source, setup.layout->recordSize());
        // One record at a time, as the writer asks for the rows: a year of any size is written
        // in the same little memory.
        qint64 cachedRow = -1;
        QByteArray record;
        const auto cell = [&](int row, int column) {
            if (row != cachedRow) {
                record = file.readAt(row + 1);
                cachedRow = row;
            }
            const int field = setup.columns[static_cast<std::size_t>(column) + 1].field;
            return setup.layout->decodeField(record, field);
        };
        written = xlsx::save(output, setup.sheet(ExportSetup::Widths::Grid), static_cast<int>(file.count()),
                             cell, &why);
        file.close();
    } catch (const RecordFileError&) {
        errors << QStringLiteral("Errore: impossibile leggere il file %1.").arg(shown(source))
               << Qt::endl;
        return Failed;
    }
    if (!written) {
        errors << QStringLiteral("Errore: impossibile scrivere il file %1 (%2).").arg(shown(output), why)
               << Qt::endl;
        return Failed;
    }
    return Done;
}

} // namespace xlsx_command
