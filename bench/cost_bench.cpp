// End-to-end timings of the cost register on a large year, through the test harness:
// the unpaid list and the cost search (no criteria, three criteria) against one plain read of
// the same file in the same run, with the peak memory they reach; then saving (append and
// update in place) and browsing on the large year against the same actions on a new one.
// Usage: cost_bench [entries] [runs]   (default 100000 entries, 9 runs; offscreen)
#include "bench_application.h"
#include "bench_timing.h"
#include "cost_generator.h"

#include "support/app_harness.h"

#include "costs/cost_file.h"
#include "lists/result_list.h"

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

const QString kCosts = QStringLiteral("frmCosti");

// Peak resident memory of the process so far, in MB (Linux).
double peakMb() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
    return 0;
}

void openYear(AppHarness& app, const QString& year) {
    app.openCostYear(year);
    settle();
}

void tool(AppHarness& app, const char* name) {
    app.control<QPushButton>(kCosts, QString::fromLatin1(name))->click();
}

void fillEntry(AppHarness& app) {
    const auto set = [&](const char* name, const char* value) {
        QWidget* w = app.control(kCosts, QString::fromLatin1(name));
        if (auto* e = qobject_cast<QLineEdit*>(w))
            e->setText(QString::fromUtf8(value));
        else if (auto* c = qobject_cast<QComboBox*>(w))
            c->setEditText(QString::fromUtf8(value));
    };
    set("txtMarca", "Fiat");
    set("txtModello", "Ducato");
    set("txtTarga", "AB123CD");
    set("txtGiorno", "15");
    set("txtMese", "Giugno");
    set("txtCausale", "Tagliando");
    set("txtImporto", "412,8");
}

struct SaveTimes {
    double append;
    double update;
    double last;
    double previous;
};

SaveTimes timeYear(AppHarness& app, const QString& year, int runs) {
    openYear(app, year);
    SaveTimes t{};
    t.append = medianMs(
        runs, [&] { tool(app, "cmdNuovo"); fillEntry(app); },
        [&] { tool(app, "cmdSalva"); settle(); });
    t.update = medianMs(runs, [&] { fillEntry(app); }, [&] { tool(app, "cmdSalva"); settle(); });
    t.last = medianMs(runs, [&] { tool(app, "cmdPrimo"); }, [&] { tool(app, "cmdUltimo"); settle(); });
    t.previous = medianMs(runs, [&] { tool(app, "cmdUltimo"); }, [&] { tool(app, "cmdIndietro"); settle(); });
    return t;
}

} // namespace

int main(int argc, char* argv[]) {
    bench::Application qapp(argc, argv);
    const int entries = argc > 1 ? std::atoi(argv[1]) : 100000;
    const int runs = argc > 2 ? std::atoi(argv[2]) : 9;

    AppHarness app;
    const QString big = CostFile::pathFor(app.dir(), QStringLiteral("2026"));
    if (!bench::CostGenerator().writeFile(big, entries)) {
        std::fprintf(stderr, "cannot write the year file\n");
        return 1;
    }
    std::printf("%d entries, %.1f MB; median of %d runs\n\n", entries, QFileInfo(big).size() / 1e6, runs);

    // The lists first, so that the peak memory they reach is not hidden by the plain read's.
    const double peakBefore = peakMb();
    openYear(app, QStringLiteral("2026"));
    QWidget* costs = app.screen(kCosts);
    const auto closeDialogs = [&] {
        for (const char* name : {"frmDaSaldare", "frmTrovaCosti"})
            if (QWidget* old = app.screen(QString::fromLatin1(name)))
                old->close();
        settle();
    };
    int unpaidRows = 0;
    const double unpaid = medianMs(runs, closeDialogs, [&] {
        costs->findChild<QPushButton*>(QStringLiteral("cmdSospese"))->click();
        settle();
        unpaidRows = app.control<ResultList>(QStringLiteral("frmDaSaldare"), QStringLiteral("lstRecords"))->count();
    });
    const auto searchTimed = [&](const QList<std::pair<QString, QString>>& criteria, int& listed) {
        return medianMs(
            runs,
            [&] {
                closeDialogs();
                costs->findChild<QPushButton*>(QStringLiteral("cmdTrova"))->click();
                for (const auto& [field, text] : criteria)
                    app.control<QLineEdit>(QStringLiteral("frmTrovaCosti"), field)->setText(text);
                settle();
            },
            [&] {
                app.control<QPushButton>(QStringLiteral("frmTrovaCosti"), QStringLiteral("btnCerca"))->click();
                settle();
                listed = app.control<ResultList>(QStringLiteral("frmTrovaCosti"), QStringLiteral("lstRecords"))->count();
            });
    };
    int allRows = 0;
    int threeRows = 0;
    const double searchAll = searchTimed({}, allRows);
    const double searchThree = searchTimed({{QStringLiteral("txtCausale"), QStringLiteral("cambio")},
                                            {QStringLiteral("txtData"), QStringLiteral("/03/")},
                                            {QStringLiteral("txtMarca"), QStringLiteral("fiat")}},
                                           threeRows);
    closeDialogs();
    const double peakLists = peakMb();

    qint64 sink = 0;
    const double plainRead = medianMs(runs, {}, [&] {
        QFile f(big);
        f.open(QIODevice::ReadOnly);
        sink += f.readAll().size();
    });
    std::printf("%-36s %8.2f ms\n", "plain read of the file (readAll)", plainRead);
    const auto report = [&](const char* what, int rows, double ms) {
        char label[80];
        std::snprintf(label, sizeof label, "%s (%d rows)", what, rows);
        std::printf("%-36s %8.2f ms   %5.2f x plain read   %s\n", label, ms, ms / plainRead,
                    ms <= 3 * plainRead && ms < 1000 ? "ok" : "OVER TARGET");
    };
    report("unpaid list", unpaidRows, unpaid);
    report("cost search, no criteria", allRows, searchAll);
    report("cost search, three criteria", threeRows, searchThree);
    std::printf("peak memory: %.0f MB before the lists, %.0f MB after them (the file is %.0f MB)\n\n", peakBefore,
                peakLists, QFileInfo(big).size() / 1e6);

    const SaveTimes empty = timeYear(app, QStringLiteral("2027"), runs);
    const SaveTimes large = timeYear(app, QStringLiteral("2026"), runs);
    std::printf("%-28s %12s %12s\n", "cost entry screen", "new year", "large year");
    const auto line = [](const char* what, double a, double b) {
        std::printf("%-28s %9.2f ms %9.2f ms   %s\n", what, a, b, b <= 3 * a + 1 ? "ok" : "GROWS WITH THE FILE");
    };
    line("save, new entry (append)", empty.append, large.append);
    line("save, entry on screen", empty.update, large.update);
    line("last entry (cmdUltimo)", empty.last, large.last);
    line("previous (cmdIndietro)", empty.previous, large.previous);
    std::printf("\nthe large year now holds %lld entries (%lld appended by the runs)\n",
                static_cast<long long>(CostFile(big).count()), static_cast<long long>(CostFile(big).count() - entries));
    return 0;
}
