// End-to-end timings of the result lists on a large register, through the test harness:
// the vehicle search (no criteria, two criteria) and each deadline list on a generated file,
// each against one plain read of the same file in the same run; then a list of many rows
// filled and searched with Trova.
// Usage: list_bench [cards] [rows] [runs]   (default 10000 cards, 100000 rows, 7 runs; offscreen)
#include "bench_application.h"
#include "bench_timing.h"
#include "vehicle_generator.h"

#include "support/app_harness.h"

#include "deadlines/deadline_rule.h"
#include "lists/find_in_list.h"
#include "lists/result_list.h"
#include "vehicle_output/vehicle_search_screen.h"
#include "vehicles/vehicle_file.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

using bench::medianMs;
using bench::settle;

namespace {

void report(const char* what, double ms, double plainRead) {
    std::printf("%-34s %8.2f ms   %5.2f x plain read   %s\n", what, ms, ms / plainRead,
                ms <= 3 * plainRead && ms < 150 ? "ok" : "OVER TARGET");
}

} // namespace

int main(int argc, char* argv[]) {
    bench::Application qapp(argc, argv);
    const int cards = argc > 1 ? std::atoi(argv[1]) : 10000;
    const int rowCount = argc > 2 ? std::atoi(argv[2]) : 100000;
    const int runs = argc > 3 ? std::atoi(argv[3]) : 7;

    AppHarness app;
    const QString path = VehicleFile::pathIn(app.dir());
    if (!bench::VehicleGenerator().writeFile(path, cards)) {
        std::fprintf(stderr, "cannot write the vehicle file\n");
        return 1;
    }
    std::printf("%d cards, %.1f MB; median of %d runs\n\n", cards, QFileInfo(path).size() / 1e6, runs);

    qint64 sink = 0;
    const double plainRead = medianMs(runs, {}, [&] {
        QFile f(path);
        f.open(QIODevice::ReadOnly);
        sink += f.readAll().size();
    });
    std::printf("%-34s %8.2f ms\n", "plain read of the file (readAll)", plainRead);
    const double blockRead = medianMs(runs, {}, [&] {
        VehicleFile file(app.dir());
        file.scan([&](qint64, QByteArrayView record) { sink += record.size() > 0; return true; });
    });
    std::printf("%-34s %8.2f ms   (the same bytes in 4 MB blocks, for reference)\n", "record scan, nothing per card",
                blockRead);

    app.openArea(QStringLiteral("frmAutoparco"));
    QWidget* card = app.screen(QStringLiteral("frmAutoparco"));
    const auto searchTimed = [&](const char* what, const QList<std::pair<QString, QString>>& criteria) {
        int listed = 0;
        const double ms = medianMs(
            runs,
            [&] {
                if (QWidget* old = app.screen(QStringLiteral("frmTrovaAutomezzi")))
                    old->close();
                AppHarness::click(card->findChild<QPushButton*>(QStringLiteral("cmdTrova")));
                for (const auto& [field, text] : criteria)
                    app.control<QLineEdit>(QStringLiteral("frmTrovaAutomezzi"), field)->setText(text);
                settle();
            },
            [&] {
                app.control<QPushButton>(QStringLiteral("frmTrovaAutomezzi"), QStringLiteral("btnCerca"))->click();
                settle();
                listed = app.control<ResultList>(QStringLiteral("frmTrovaAutomezzi"), QStringLiteral("lstRecords"))
                             ->count();
            });
        char label[80];
        std::snprintf(label, sizeof label, "%s (%d rows)", what, listed);
        report(label, ms, plainRead);
    };
    searchTimed("search, no criteria", {});
    searchTimed("search, two criteria",
                {{QStringLiteral("txtTipo"), QStringLiteral("auto")}, {QStringLiteral("txtMarca"), QStringLiteral("fi")}});
    app.screen(QStringLiteral("frmTrovaAutomezzi"))->close();

    app.openArea(QStringLiteral("frmMenuScadenze"));
    QWidget* menu = app.screen(QStringLiteral("frmMenuScadenze"));
    for (deadlines::Kind kind : deadlines::kKinds) {
        const deadlines::ListSetup& s = deadlines::setup(kind);
        const QString screen = QString::fromLatin1(s.screen);
        int listed = 0;
        const double ms = medianMs(
            runs,
            [&] {
                if (QWidget* old = app.screen(screen))
                    old->close();
                settle();
            },
            [&] {
                menu->findChild<QPushButton*>(QString::fromLatin1(s.menuButton))->click();
                settle();
                listed = app.control<ResultList>(screen, QStringLiteral("lstRecords"))->count();
            });
        char label[80];
        std::snprintf(label, sizeof label, "%s (%d rows)", s.screen, listed);
        report(label, ms, plainRead);
    }

    // A long list: rows as the search makes them, many alike, as in a large register.
    std::vector<QString> rows;
    rows.reserve(std::size_t(rowCount));
    {
        bench::VehicleGenerator g(7);
        for (int i = 0; i < rowCount; ++i) {
            TSchedaVeicolo c = g.next();
            c[TSchedaVeicolo::Chilometri] = QString::number(i); // every row its own
            rows.push_back(QString(c[TSchedaVeicolo::Tipo]).leftJustified(20, u' ', true) + QStringLiteral("  ") +
                           (c[TSchedaVeicolo::Marca] + u' ' + c[TSchedaVeicolo::Modello]).leftJustified(30, u' ', true) +
                           QStringLiteral("  Targa: ") + c[TSchedaVeicolo::Targa].leftJustified(12, u' ', true) +
                           QStringLiteral("  Km: ") + c[TSchedaVeicolo::Chilometri]);
        }
    }
    QWidget screen;
    screen.resize(830, 300);
    auto* list = new ResultList(&screen);
    list->setGeometry(0, 0, 801, 273);
    auto* field = new QLineEdit(&screen);
    auto* button = new QPushButton(&screen);
    QString lastSearch;
    new FindInList(app.context(), list, field, button, lastSearch, &screen);
    screen.show();
    settle();
    const double fill = medianMs(
        runs, [&] { list->clearRows(); settle(); },
        [&] {
            list->setRows(rows);
            list->finishFill();
            settle();
        });
    std::printf("\n%-34s %8.2f ms   %s\n", qPrintable(QStringLiteral("fill a list of %1 rows").arg(rowCount)), fill,
                fill < 300 ? "ok" : "OVER TARGET");

    // Trova again with the same text: the next match is the last row, so every row is tested.
    const QString lastRow = list->rows()->text(rowCount - 1);
    const QString key = lastRow.mid(lastRow.lastIndexOf(u':') - 3).toLower(); // "km: <n>", one row only
    const double findFar = medianMs(
        runs,
        [&] {
            list->selectRow(0);
            field->setText(key);
            lastSearch = key;
        },
        [&] {
            button->click();
            settle();
        });
    std::printf("%-34s %8.2f ms   %s\n", "Trova to a match after every row", findFar, findFar < 30 ? "ok" : "OVER TARGET");
    const double findNone = medianMs(
        runs, [&] { field->setText(QStringLiteral("nessuna voce contiene questo")); },
        [&] {
            button->click();
            settle();
        });
    std::printf("%-34s %8.2f ms   %s\n", "Trova with no match at all", findNone, findNone < 30 ? "ok" : "OVER TARGET");
    if (list->selectedRow() < 0 || app.dialogs().prompts().size() != 0)
        std::printf("unexpected: %s\n", qPrintable(app.dialogs().texts().join(u'|')));
    return sink > 0 ? 0 : 1;
}
