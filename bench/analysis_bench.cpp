// End-to-end timings of the cost analysis on a large year file, through the test harness:
// the summary with both filters and a one-month interval, the summary of the whole year without
// filters, and the monthly statistics, each against one plain read of the same file in the
// same run.
// Usage: analysis_bench [entries] [runs]   (default 100000 entries, 5 runs; offscreen)
#include "bench_application.h"
#include "bench_timing.h"
#include "cost_generator.h"

#include "support/app_harness.h"

#include "costs/cost_file.h"
#include "costs/cost_record.h"
#include "lists/result_list.h"
#include "reports/chart_engine.h"

#include <QComboBox>
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
    std::printf("%-46s %8.2f ms   %5.2f x plain read   %s\n", what, ms, ms / plainRead,
                ms <= 3 * plainRead ? "ok" : "OVER TARGET");
}

} // namespace

int main(int argc, char* argv[]) {
    bench::Application qapp(argc, argv);
    const int entries = argc > 1 ? std::atoi(argv[1]) : 100000;
    const int runs = argc > 2 ? std::atoi(argv[2]) : 5;

    AppHarness app;
    const QString path = CostFile::pathFor(app.dir(), QStringLiteral("2026"));
    if (!bench::CostGenerator().writeFile(path, entries)) {
        std::fprintf(stderr, "cannot write the year file\n");
        return 1;
    }
    std::printf("%d entries, %.1f MB; median of %d runs\n\n", entries, QFileInfo(path).size() / 1e6, runs);

    qint64 sink = 0;
    const auto plainRead = [&] {
        return medianMs(runs, {}, [&] {
            QFile f(path);
            f.open(QIODevice::ReadOnly);
            sink += f.readAll().size();
        });
    };
    const double before = plainRead();
    std::printf("%-46s %8.2f ms\n", "plain read of the file (readAll)", before);
    const double blockRead = medianMs(runs, {}, [&] {
        CostFile file(path);
        file.scan([&](qint64, QByteArrayView record) { sink += record.size() > 0; return true; });
    });
    std::printf("%-46s %8.2f ms   (the same bytes in 4 MB blocks, for reference)\n", "record scan, nothing per entry",
                blockRead);

    const QString selection = QStringLiteral("frmMenuRiepSpese");
    const QString view = QStringLiteral("frmRiepSpese");
    app.openArea(selection);
    const auto summaryTimed = [&](const char* what, const QString& plate, const QString& reason, const QString& monthFrom,
                                  const QString& dayTo, const QString& monthTo) {
        int listed = 0;
        QString total;
        const double ms = medianMs(
            runs,
            [&] {
                if (QWidget* old = app.screen(view))
                    old->close();
                settle();
                app.control<QLineEdit>(selection, QStringLiteral("txtAnno"))->setText(QStringLiteral("2026"));
                app.control<QLineEdit>(selection, QStringLiteral("txtTipologia"))->setText(plate);
                app.control<QComboBox>(selection, QStringLiteral("txtCausale"))->setEditText(reason);
                app.control<QComboBox>(selection, QStringLiteral("txtGiornoInizio"))->setEditText(QStringLiteral("01"));
                app.control<QComboBox>(selection, QStringLiteral("txtMeseInizio"))->setEditText(monthFrom);
                app.control<QComboBox>(selection, QStringLiteral("txtGiornoFine"))->setEditText(dayTo);
                app.control<QComboBox>(selection, QStringLiteral("txtMeseFine"))->setEditText(monthTo);
                app.control<QLabel>(selection, QStringLiteral("lblAnnoInizio"))->setText(QStringLiteral("2026"));
                app.control<QLabel>(selection, QStringLiteral("lblAnnoFine"))->setText(QStringLiteral("2026"));
                settle();
            },
            [&] {
                app.control<QPushButton>(selection, QStringLiteral("btnVisualizza"))->click();
                settle();
                listed = app.control<ResultList>(view, QStringLiteral("lstRecords"))->count();
                total = app.control<QLabel>(view, QStringLiteral("lblTotCosti"))->text();
            });
        char label[120];
        std::snprintf(label, sizeof label, "%s (%d lines, %s)", what, listed, qPrintable(total));
        report(label, ms, before);
    };
    summaryTimed("summary, both filters, one month", QStringLiteral("a"), QStringLiteral("olio"),
                 QStringLiteral("Marzo"), QStringLiteral("31"), QStringLiteral("Marzo"));
    summaryTimed("summary, no filters, whole year", {}, {}, QStringLiteral("Gennaio"), QStringLiteral("31"),
                 QStringLiteral("Dicembre"));
    app.screen(view)->close();
    settle();

    const QString stats = QStringLiteral("frmStatCosti");
    app.openArea(stats);
    QString december;
    const double statsMs = medianMs(
        runs,
        [&] {
            app.openArea(stats);
            app.control<QLineEdit>(stats, QStringLiteral("txtAnno"))->setText(QStringLiteral("2026"));
            settle();
        },
        [&] {
            app.control<QPushButton>(stats, QStringLiteral("btnApri"))->click();
            settle();
            december = app.control<QLabel>(stats, QStringLiteral("memDicembre"))->text();
        });
    char label[120];
    std::snprintf(label, sizeof label, "statistics (December %s)", qPrintable(december));
    report(label, statsMs, before);

    std::printf("%-46s %8.2f ms\n", "plain read of the file, again", plainRead());
    return sink > 0 ? 0 : 1;
}
