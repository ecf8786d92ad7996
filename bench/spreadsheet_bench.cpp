// Times the .xlsx export of a large cost year and the import of a large CSV of vehicle cards,
// with the peak memory of the process after each.
// Usage: spreadsheet_bench [entries] [rows] [--screenshot FILE]
//   entries: cost entries exported (default 100000); rows: cards imported (default 10000).
//   --screenshot: also saves a picture of the import preview with problems shown.
#include "bench_application.h"
#include "app/app_context.h"
#include "costs/cost_rules.h"
#include "import/csv_table.h"
#include "import/import_dialog.h"
#include "import/import_rules.h"
#include "records/record_file.h"
#include "spreadsheets/xlsx_command.h"
#include "vehicles/vehicle_file.h"

#include "cost_generator.h"
#include "vehicle_generator.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTextStream>

#include <sys/resource.h>

#include <cstdio>
#include <cstring>

namespace {

double cpuMs() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3 +
           (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
}

double peakMb() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024.0; // kilobytes on Linux
}

QByteArray csvField(const QString& text) {
    QByteArray bytes = text.toUtf8();
    if (bytes.contains(';') || bytes.contains('"') || bytes.contains('\n')) {
        bytes.replace("\"", "\"\"");
        bytes = '"' + bytes + '"';
    }
    return bytes;
}

// The cards as a spreadsheet program saves them: semicolons, UTF-8 with a byte-order mark.
bool writeCardsCsv(const QString& path, int rows) {
    const import_rules::Target& target = import_rules::vehicles();
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    QByteArray out = "\xEF\xBB\xBF";
    for (std::size_t i = 0; i < target.fields.size(); ++i)
        out += (i ? ";" : "") + csvField(target.fields[i].name);
    out += "\r\n";
    bench::VehicleGenerator cards;
    for (int r = 0; r < rows; ++r) {
        TSchedaVeicolo card = TSchedaVeicolo::decode(cards.next().encode()); // as stored
        // The generator also makes the impossible dates old cards hold; an import refuses them.
        for (int f : {TSchedaVeicolo::Lettura, TSchedaVeicolo::ScadRevisione, TSchedaVeicolo::ScadTagliando,
                      TSchedaVeicolo::ScadAssicurazione, TSchedaVeicolo::ScadBollo})
            if (!card.values[f].isEmpty() && !cost_rules::isCalendarDate(card.values[f]))
                card.values[f].clear();
        for (std::size_t i = 0; i < target.fields.size(); ++i)
            out += (i ? ";" : "") + csvField(card.values[target.fields[i].field]);
        out += "\r\n";
    }
    return f.write(out) == out.size();
}

class QuietDialogs : public Dialogs {
public:
    void notice(QWidget*, NoticeKind, const QString&) override {}
    bool question(QWidget*, const QString&) override { return false; }
    void message(QWidget*, const QString&) override {}
    std::optional<QString> input(QWidget*, const QString&, const QString&, const QString&) override {
        return std::nullopt;
    }
    QString openFile(QWidget*, const QString&, const QString&) override { return file; }
    QString saveFile(QWidget*, const QString&, const QString&, const QString&, const QString&) override {
        return {};
    }
    QString file;
};

void screenshot(const QString& dir, const QString& picture) {
    const QString path = dir + QStringLiteral("/problemi.csv");
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        return;
    f.write("Tipo veicolo;Marca;Modello;Targa;Telaio;Scad. bollo;Note;Reparto\r\n"
            "Autovettura;Fiat;Panda;AB123CD;ZFA3120000;31/01/2027;;Vendite\r\n"
            "Furgone;;Ducato;CD/456;ZFA25000001234567;31/04/2027;;Magazzino\r\n"
            "Autocarro;Iveco;Daily;EF789GH;;2027-06-30;\"Revisione\r\nfreni\";Magazzino\r\n"
            "Autovettura;Lancia;Ypsilon;GH012IJ;;15/13/2027;;Vendite\r\n");
    f.close();
    QuietDialogs dialogs;
    dialogs.file = path;
    AppContext ctx;
    ctx.programDir = dir + u'/';
    ctx.dialogs = &dialogs;
    QWidget opener;
    csv_import::openForVehicles(ctx, &opener);
    auto* preview = opener.findChild<ImportDialog*>();
    if (!preview)
        return;
    QCoreApplication::processEvents();
    preview->grab().save(picture);
    std::printf("import preview picture: %s\n", qPrintable(picture));
    delete preview;
}

} // namespace

int main(int argc, char* argv[]) {
    bench::Application app(argc, argv);
    QStringList args = app.arguments().mid(1);
    QString picture;
    if (const qsizetype at = args.indexOf(QStringLiteral("--screenshot")); at >= 0 && at + 1 < args.size()) {
        picture = args[at + 1];
        args.remove(at, 2);
    }
    const int entries = args.size() > 0 ? args[0].toInt() : 100000;
    const int rows = args.size() > 1 ? args[1].toInt() : 10000;

    QTemporaryDir dir;
    if (!bench::CostGenerator().writeFile(dir.filePath(QStringLiteral("2026.eur")), entries) ||
        !writeCardsCsv(dir.filePath(QStringLiteral("schede.csv")), rows))
        return 1;
    std::printf("set-up done, peak memory so far %.0f MB\n", peakMb());

    QElapsedTimer t;
    t.start();
    double cpu = cpuMs();
    QTextStream errors(stderr);
    const QString workbook = dir.filePath(QStringLiteral("Costi_Sostenuti.xlsx"));
    if (xlsx_command::exportWorkbook(dir.path(), QStringLiteral("2026"), workbook, errors) != 0)
        return 1;
    std::printf(".xlsx export, %d entries (%.0f MB year file): %lld ms (%.0f ms processor), %.1f MB written, "
                "peak memory %.0f MB\n",
                entries, QFileInfo(dir.filePath(QStringLiteral("2026.eur"))).size() / 1e6,
                static_cast<long long>(t.elapsed()), cpuMs() - cpu, QFileInfo(workbook).size() / 1e6, peakMb());

    t.restart();
    QString why;
    const auto table = csv::readFile(dir.filePath(QStringLiteral("schede.csv")), &why);
    if (!table)
        return 1;
    const import_rules::Target& target = import_rules::vehicles();
    const QList<int> mapping = import_rules::mapByHeader(target, table->header);
    const import_rules::Check check = import_rules::check(target, *table, mapping, {});
    const qint64 previewMs = t.elapsed();
    if (!check.canImport()) {
        for (const QStringList& p : check.rowProblems)
            if (!p.isEmpty()) {
                std::fprintf(stderr, "unexpected problems: %s\n", qPrintable(p.join(u' ')));
                break;
            }
        return 1;
    }
    t.restart();
    RecordFile cards(VehicleFile::pathIn(dir.path() + u'/'), TSchedaVeicolo::kRecordSize);
    cards.appendAll(static_cast<int>(table->rows.size()), [&](int i) {
        return import_rules::makeRecord(target, mapping, table->rows[i].fields, {}).record;
    });
    cards.close();
    std::printf("import, %d rows (%.1f MB CSV): read and checked %lld ms, appended %lld ms, peak memory %.0f MB\n",
                rows, QFileInfo(dir.filePath(QStringLiteral("schede.csv"))).size() / 1e6,
                static_cast<long long>(previewMs), static_cast<long long>(t.elapsed()), peakMb());

    if (!picture.isEmpty())
        screenshot(dir.path(), picture);
    return 0;
}
