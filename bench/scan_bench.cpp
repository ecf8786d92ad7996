// Every full scan of the program beside the same work done by SQLite, in one run: a generated
// year of cost entries and a generated register go into record files as the program keeps
// them and, row for row, into an SQLite database that this benchmark builds with the sqlite3
// program. Each action is timed end to end through the real screens (rows built, sorted and
// shown), then the same query through the sqlite3 program (process start included), then one
// plain read of the same file. Medians, of the wall time and of the processor time (all our
// threads; the sqlite3 process's own), which other work on a shared machine inflates less.
// Usage: scan_bench [entries] [cards] [runs]   (default 100000, 10000, 7; offscreen)
#include "bench_application.h"
#include "bench_timing.h"
#include "cost_generator.h"
#include "vehicle_generator.h"

#include "support/app_harness.h"

#include "costs/cost_export.h"
#include "costs/cost_file.h"
#include "deadlines/deadline_rule.h"
#include "lists/result_list.h"
#include "vehicle_output/export_grid_model.h"
#include "vehicle_output/export_screen.h"
#include "vehicle_output/vehicle_export.h"
#include "vehicles/vehicle_file.h"

#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>
#include <vector>

#include <sys/resource.h>

using bench::medianMs;
using bench::settle;

namespace {

// ---- the SQLite side -------------------------------------------------------------------

QString column(const RecordLayout& layout, int field) {
    return QString::fromLatin1(layout.field(field).name).toLower();
}

// Writes every record of `recordPath` as one line of the sqlite3 program's "ascii" import
// format, all fields decoded, and creates `table` with one text column per field.
bool importTable(const QString& db, const QString& table, const QString& recordPath, const RecordLayout& layout,
                 const QString& work) {
    const QString data = work + u'/' + table + QStringLiteral(".txt");
    QFile out(data);
    if (!out.open(QIODevice::WriteOnly))
        return false;
    RecordFile file(recordPath, layout.recordSize());
    QByteArray chunk;
    file.scan([&](int, QByteArrayView record) {
        const QStringList values = layout.decode(record);
        chunk += values.join(QChar(0x1F)).toUtf8();
        chunk += '\x1E';
        if (chunk.size() > (4 << 20)) {
            out.write(chunk);
            chunk.clear();
        }
        return true;
    });
    out.write(chunk);
    out.close();
    QStringList columns;
    for (int f = 0; f < layout.fieldCount(); ++f)
        columns << column(layout, f) + QStringLiteral(" TEXT");
    const QString script = QStringLiteral("CREATE TABLE %1 (%2);\n.mode ascii\n.import '%3' %1\n")
                               .arg(table, columns.join(u','), data);
    QProcess sqlite;
    sqlite.start(QStringLiteral("sqlite3"), {db});
    sqlite.write(script.toUtf8());
    sqlite.closeWriteChannel();
    sqlite.waitForFinished(-1);
    QFile::remove(data);
    return sqlite.exitCode() == 0;
}

// One run of the sqlite3 program on `sql`; its output goes to `output` (or is dropped).
void runSqlite(const QString& db, const QString& sql, const QString& output = {}) {
    QProcess sqlite;
    sqlite.setStandardOutputFile(output.isEmpty() ? QProcess::nullDevice() : output);
    sqlite.start(QStringLiteral("sqlite3"), {QStringLiteral("-batch"), db, sql});
    sqlite.waitForFinished(-1);
}

// Lines the query prints: it must list what the program lists.
int sqliteLines(const QString& db, const QString& sql, const QString& work) {
    const QString output = work + QStringLiteral("/check.txt");
    runSqlite(db, sql, output);
    QFile f(output);
    f.open(QIODevice::ReadOnly);
    return int(f.readAll().count('\n'));
}

// The fixed-width rows of the lists, as SQL: widths count characters ("!").
const QString kVehicleRow =
    QStringLiteral("printf('%!-20.20s  %!-30.30s  Targa: %!-12.12s  Titolare: %!-30.30s  Anno: %!-10.10s  Km: %s', "
                   "tipo, marca || ' ' || modello, targa, proprietario, anno, chilometri)");
const QString kCostRow = QStringLiteral(
    "printf('%!-28.28s  Targa: %!-10.10s  Data: %!-10.10s  %!-32.32s  A: %!-28.28s  Costo: € %s', "
    "marca || ' ' || modello, targa, data, causale, beneficiario, importo)");
const QString kCostDate = QStringLiteral("(substr(data, 7, 4) || '-' || substr(data, 4, 2) || '-' || substr(data, 1, 2))");
const QString kAmount = QStringLiteral("CAST(replace(importo, ',', '.') AS REAL)");

QString deadlineRow(const QString& deadline) {
    return QStringLiteral("printf('%!-20.20s  %!-30.30s  Targa: %!-12.12s  Scad. %!-10.10s  Km: %!-10.10s  "
                          "Titolare: %s', tipo, marca || ' ' || modello, targa, %1, chilometri, proprietario)")
        .arg(deadline);
}

QString deadlineDue(const QString& deadline) {
    return QStringLiteral("date(substr(%1, 7, 4) || '-' || substr(%1, 4, 2) || '-' || substr(%1, 1, 2)) "
                          "<= date('2026-12-10', '+7 days')")
        .arg(deadline);
}

// ---- the table -------------------------------------------------------------------------

struct Line {
    QString what;
    int rows;
    int sqliteRows;
    double ours;
    double sqlite;
    double plainRead;
    double oursCpu = 0;
    double sqliteCpu = 0;
};

// Processor time of this process and of the sqlite3 runs it waited for, in milliseconds: on a
// machine shared with other work it shows the work done, which the wall clock hides.
double cpuMs() {
    timespec self{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &self);
    rusage children{};
    getrusage(RUSAGE_CHILDREN, &children);
    const auto ms = [](const timeval& t) { return double(t.tv_sec) * 1e3 + double(t.tv_usec) / 1e3; };
    return double(self.tv_sec) * 1e3 + double(self.tv_nsec) / 1e6 + ms(children.ru_utime) + ms(children.ru_stime);
}

// The median wall time, as bench::medianMs gives it, and the median processor time into `cpu`.
double measure(double& cpu, int runs, const std::function<void()>& prepare, const std::function<void()>& timed) {
    std::vector<double> cpus;
    double started = 0;
    const double wall = medianMs(runs, prepare, [&] {
        started = cpuMs();
        timed();
        cpus.push_back(cpuMs() - started);
    });
    std::sort(cpus.begin(), cpus.end());
    cpu = cpus[cpus.size() / 2];
    return wall;
}

void print(const std::vector<Line>& lines, double costRead, double costBlocks, double cardRead, double cardBlocks) {
    std::printf("\n%-50s %11s %11s %9s   %s\n", "operation (rows: program / sqlite3)", "program", "sqlite3",
                "vs read", "processor time: program / sqlite3");
    for (const Line& l : lines) {
        const bool ok = l.ours <= l.sqlite && l.ours <= 2 * l.plainRead && l.rows == l.sqliteRows;
        std::printf("%-50s %8.1f ms %8.1f ms %8.2fx   %-11s %8.1f / %8.1f ms\n",
                    qPrintable(QStringLiteral("%1 (%2 / %3)").arg(l.what).arg(l.rows).arg(l.sqliteRows)), l.ours,
                    l.sqlite, l.ours / l.plainRead, ok ? "ok" : "OVER TARGET", l.oursCpu, l.sqliteCpu);
    }
    std::printf("\nplain read of the year file:      %8.1f ms (readAll)  %8.1f ms (block scan)\n", costRead, costBlocks);
    std::printf("plain read of the register:       %8.1f ms (readAll)  %8.1f ms (block scan)\n", cardRead, cardBlocks);
}

} // namespace

int main(int argc, char* argv[]) {
    bench::Application qapp(argc, argv);
    const int entries = argc > 1 ? std::atoi(argv[1]) : 100000;
    const int cards = argc > 2 ? std::atoi(argv[2]) : 10000;
    const int runs = argc > 3 ? std::atoi(argv[3]) : 7;

    AppHarness app;
    const QString year = CostFile::pathFor(app.dir(), QStringLiteral("2026"));
    const QString register_ = VehicleFile::pathIn(app.dir());
    if (!bench::CostGenerator().writeFile(year, entries) || !bench::VehicleGenerator().writeFile(register_, cards)) {
        std::fprintf(stderr, "cannot write the generated files\n");
        return 1;
    }
    QTemporaryDir work;
    const QString db = work.filePath(QStringLiteral("vestrano.sqlite"));
    if (!importTable(db, QStringLiteral("costs"), year, TSchedaCosto::layout(), work.path()) ||
        !importTable(db, QStringLiteral("vehicles"), register_, TSchedaVeicolo::layout(), work.path())) {
        std::fprintf(stderr, "cannot build the SQLite database (is the sqlite3 program installed?)\n");
        return 1;
    }
    std::printf("%d entries (%.1f MB), %d cards (%.1f MB), SQLite database %.1f MB; median of %d runs\n", entries,
                QFileInfo(year).size() / 1e6, cards, QFileInfo(register_).size() / 1e6,
                QFileInfo(db).size() / 1e6, runs);

    qint64 sink = 0;
    const auto readAll = [&](const QString& path) {
        return medianMs(runs, {}, [&] {
            QFile f(path);
            f.open(QIODevice::ReadOnly);
            sink += f.readAll().size();
        });
    };
    const auto blockScan = [&](const QString& path, int recordSize) {
        return medianMs(runs, {}, [&] {
            RecordFile file(path, recordSize);
            file.scan([&](int, QByteArrayView record) { sink += record.size() > 0; return true; });
        });
    };
    const double costRead = readAll(year);
    const double costBlocks = blockScan(year, TSchedaCosto::kRecordSize);
    const double cardRead = readAll(register_);
    const double cardBlocks = blockScan(register_, TSchedaVeicolo::kRecordSize);

    std::vector<Line> lines;
    const auto sqliteSide = [&](Line& l, const QString& sql) {
        l.sqlite = measure(l.sqliteCpu, runs, {}, [&] { runSqlite(db, sql); });
        l.sqliteRows = sqliteLines(db, sql, work.path());
        lines.push_back(l);
    };
    const auto listCount = [&](const QString& screen) {
        return app.control<ResultList>(screen, QStringLiteral("lstRecords"))->count();
    };
    const auto closeScreen = [&](const QString& name) {
        if (QWidget* old = app.screen(name))
            old->close();
        settle();
    };

    // Vehicle search.
    const QString search = QStringLiteral("frmTrovaAutomezzi");
    app.openArea(QStringLiteral("frmAutoparco"));
    QWidget* card = app.screen(QStringLiteral("frmAutoparco"));
    const auto vehicleSearch = [&](const char* what, const QList<std::pair<QString, QString>>& criteria,
                                   const QString& where) {
        Line l{QString::fromLatin1(what), 0, 0, 0, 0, cardRead};
        l.ours = measure(l.oursCpu, 
            runs,
            [&] {
                closeScreen(search);
                AppHarness::click(card->findChild<QPushButton*>(QStringLiteral("cmdTrova")));
                for (const auto& [field, text] : criteria)
                    app.control<QLineEdit>(search, field)->setText(text);
                settle();
            },
            [&] {
                app.control<QPushButton>(search, QStringLiteral("btnCerca"))->click();
                settle();
                l.rows = listCount(search);
            });
        sqliteSide(l, QStringLiteral("SELECT %1 FROM vehicles %2 ORDER BY 1 COLLATE NOCASE;").arg(kVehicleRow, where));
    };
    vehicleSearch("vehicle search, no criteria", {}, {});
    vehicleSearch("vehicle search, two criteria",
                  {{QStringLiteral("txtTipo"), QStringLiteral("auto")}, {QStringLiteral("txtMarca"), QStringLiteral("fi")}},
                  QStringLiteral("WHERE tipo LIKE '%auto%' AND marca LIKE '%fi%'"));
    closeScreen(search);

    // The four deadline lists.
    app.openArea(QStringLiteral("frmMenuScadenze"));
    QWidget* menu = app.screen(QStringLiteral("frmMenuScadenze"));
    for (deadlines::Kind kind : deadlines::kKinds) {
        const deadlines::ListSetup& s = deadlines::setup(kind);
        const QString screen = QString::fromLatin1(s.screen);
        Line l{QString::fromLatin1(s.screen), 0, 0, 0, 0, cardRead};
        l.ours = measure(l.oursCpu, 
            runs, [&] { closeScreen(screen); },
            [&] {
                menu->findChild<QPushButton*>(QString::fromLatin1(s.menuButton))->click();
                settle();
                l.rows = listCount(screen);
            });
        closeScreen(screen);
        const QString field = column(TSchedaVeicolo::layout(), s.field);
        sqliteSide(l, QStringLiteral("SELECT %1 FROM vehicles WHERE trim(%2) <> '' AND %3 ORDER BY 1 COLLATE NOCASE;")
                          .arg(deadlineRow(field), field, deadlineDue(field)));
    }

    // The export grids: every record in a grid, shown.
    const auto exportGrid = [&](const char* what, ExportSetup setup, const QString& path, const QString& table,
                                double plainRead) {
        Line l{QString::fromLatin1(what), 0, 0, 0, 0, plainRead};
        QWidget opener;
        ExportScreen* screen = nullptr;
        l.ours = measure(l.oursCpu, 
            runs,
            [&] {
                delete screen;
                screen = nullptr;
                settle();
            },
            [&] {
                screen = ExportScreen::open(app.context(), &opener, setup, path);
                settle();
                l.rows = screen->model()->rowCount();
            });
        delete screen;
        QStringList columns{QStringLiteral("rowid")};
        for (const ExportSetup::Column& c : setup.columns)
            if (c.field >= 0)
                columns << column(*setup.layout, c.field);
        sqliteSide(l, QStringLiteral("SELECT %1 FROM %2;").arg(columns.join(u','), table));
    };
    exportGrid("vehicle export grid", vehicle_export::setup(), register_, QStringLiteral("vehicles"), cardRead);

    // The cost register's lists.
    app.openCostYear(QStringLiteral("2026"));
    settle();
    QWidget* costs = app.screen(QStringLiteral("frmCosti"));
    const auto closeCostLists = [&] {
        closeScreen(QStringLiteral("frmDaSaldare"));
        closeScreen(QStringLiteral("frmTrovaCosti"));
    };
    {
        Line l{QStringLiteral("unpaid list"), 0, 0, 0, 0, costRead};
        l.ours = measure(l.oursCpu, runs, closeCostLists, [&] {
            costs->findChild<QPushButton*>(QStringLiteral("cmdSospese"))->click();
            settle();
            l.rows = listCount(QStringLiteral("frmDaSaldare"));
        });
        sqliteSide(l, QStringLiteral("SELECT %1 FROM costs WHERE trim(saldato) = 'No' ORDER BY 1 COLLATE NOCASE;")
                          .arg(kCostRow));
    }
    const auto costSearch = [&](const char* what, const QList<std::pair<QString, QString>>& criteria,
                                const QString& where) {
        Line l{QString::fromLatin1(what), 0, 0, 0, 0, costRead};
        const QString screen = QStringLiteral("frmTrovaCosti");
        l.ours = measure(l.oursCpu, 
            runs,
            [&] {
                closeCostLists();
                costs->findChild<QPushButton*>(QStringLiteral("cmdTrova"))->click();
                for (const auto& [field, text] : criteria)
                    app.control<QLineEdit>(screen, field)->setText(text);
                settle();
            },
            [&] {
                app.control<QPushButton>(screen, QStringLiteral("btnCerca"))->click();
                settle();
                l.rows = listCount(screen);
            });
        sqliteSide(l, QStringLiteral("SELECT %1 FROM costs %2 ORDER BY 1 COLLATE NOCASE;").arg(kCostRow, where));
    };
    costSearch("cost search, no criteria", {}, {});
    costSearch("cost search, three criteria",
               {{QStringLiteral("txtCausale"), QStringLiteral("cambio")},
                {QStringLiteral("txtData"), QStringLiteral("/03/")},
                {QStringLiteral("txtMarca"), QStringLiteral("fiat")}},
               QStringLiteral("WHERE causale LIKE '%cambio%' AND data LIKE '%/03/%' AND marca LIKE '%fiat%'"));
    closeCostLists();

    // The summary: lines sorted and their total.
    const QString selection = QStringLiteral("frmMenuRiepSpese");
    const QString view = QStringLiteral("frmRiepSpese");
    app.openArea(selection);
    const auto summary = [&](const char* what, const QString& plate, const QString& reason, const QString& monthFrom,
                             const QString& dayTo, const QString& monthTo, const QString& where) {
        Line l{QString::fromLatin1(what), 0, 0, 0, 0, costRead};
        l.ours = measure(l.oursCpu, 
            runs,
            [&] {
                closeScreen(view);
                const auto set = [&](const char* name, const QString& text) {
                    QWidget* w = app.control(selection, QString::fromLatin1(name));
                    if (auto* e = qobject_cast<QLineEdit*>(w))
                        e->setText(text);
                    else if (auto* c = qobject_cast<QComboBox*>(w))
                        c->setEditText(text);
                    else if (auto* label = qobject_cast<QLabel*>(w))
                        label->setText(text);
                };
                set("txtAnno", QStringLiteral("2026"));
                set("txtTipologia", plate);
                set("txtCausale", reason);
                set("txtGiornoInizio", QStringLiteral("01"));
                set("txtMeseInizio", monthFrom);
                set("txtGiornoFine", dayTo);
                set("txtMeseFine", monthTo);
                set("lblAnnoInizio", QStringLiteral("2026"));
                set("lblAnnoFine", QStringLiteral("2026"));
                settle();
            },
            [&] {
                app.control<QPushButton>(selection, QStringLiteral("btnVisualizza"))->click();
                settle();
                l.rows = listCount(view);
            });
        const QString filter = QStringLiteral("FROM costs WHERE %1 AND %2 IS NOT NULL").arg(where, kAmount);
        // The total is one more line: the row count compares one more.
        l.rows += 1;
        sqliteSide(l, QStringLiteral("SELECT %1 %2 ORDER BY 1 COLLATE NOCASE; SELECT sum(%3) %2;")
                          .arg(kCostRow, filter, kAmount));
    };
    summary("summary, no filters, whole year", {}, {}, QStringLiteral("Gennaio"), QStringLiteral("31"),
            QStringLiteral("Dicembre"), kCostDate + QStringLiteral(" BETWEEN '2026-01-01' AND '2026-12-31'"));
    summary("summary, both filters, one month", QStringLiteral("a"), QStringLiteral("olio"), QStringLiteral("Marzo"),
            QStringLiteral("31"), QStringLiteral("Marzo"),
            kCostDate + QStringLiteral(" BETWEEN '2026-03-01' AND '2026-03-31' AND targa LIKE '%a%' AND causale LIKE "
                                       "'%olio%'"));
    closeScreen(view);

    // The monthly statistics.
    {
        const QString stats = QStringLiteral("frmStatCosti");
        app.openArea(stats);
        Line l{QStringLiteral("monthly statistics"), 12, 0, 0, 0, costRead};
        l.ours = measure(l.oursCpu, 
            runs,
            [&] {
                app.openArea(stats);
                app.control<QLineEdit>(stats, QStringLiteral("txtAnno"))->setText(QStringLiteral("2026"));
                settle();
            },
            [&] {
                app.control<QPushButton>(stats, QStringLiteral("btnApri"))->click();
                settle();
                sink += app.control<QLabel>(stats, QStringLiteral("memDicembre"))->text().size();
            });
        sqliteSide(l, QStringLiteral("SELECT substr(data, 4, 2), sum(%1) FROM costs WHERE substr(data, 7, 4) = "
                                     "'2026' GROUP BY 1;")
                          .arg(kAmount));
    }

    exportGrid("cost export grid", cost_export::setup(), year, QStringLiteral("costs"), costRead);

    print(lines, costRead, costBlocks, cardRead, cardBlocks);
    if (!app.dialogs().prompts().isEmpty())
        std::printf("unexpected prompts: %s\n", qPrintable(app.dialogs().texts().join(u'|')));
    return sink > 0 ? 0 : 1;
}
