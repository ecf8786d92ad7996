// The reminder shown on entering against one deadline list, on a generated register: the scan
// alone (all four kinds against one kind) and end to end (window shown and filled), plus the
// calendar export of the same file.
// Usage: alert_bench [cards] [runs]   (default 10000 cards, 7 runs; offscreen)
#include "bench_application.h"
#include "bench_timing.h"
#include "vehicle_generator.h"

#include "support/app_harness.h"

#include "alerts/due_alert_screen.h"
#include "alerts/due_items.h"
#include "calendar/deadline_calendar.h"
#include "deadlines/deadline_rule.h"
#include "lists/result_list.h"
#include "vehicles/vehicle_file.h"

#include <QFileInfo>
#include <QPushButton>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>
#include <vector>

using bench::settle;

namespace {

double threadCpuMs() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

// Median processor time of this thread, not wall time: on a machine shared with other work the
// wall clock mostly measures the neighbours.
double medianMs(int runs, const std::function<void()>& prepare, const std::function<void()>& timed) {
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        if (prepare)
            prepare();
        const double start = threadCpuMs();
        timed();
        times.push_back(threadCpuMs() - start);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace

int main(int argc, char* argv[]) {
    bench::Application qapp(argc, argv);
    const int cards = argc > 1 ? std::atoi(argv[1]) : 10000;
    const int runs = argc > 2 ? std::atoi(argv[2]) : 7;

    AppHarness app;
    const QString path = VehicleFile::pathIn(app.dir());
    if (!bench::VehicleGenerator().writeFile(path, cards)) {
        std::fprintf(stderr, "cannot write the vehicle file\n");
        return 1;
    }
    std::printf("%d cards, %.1f MB; median processor time of %d runs\n\n", cards, QFileInfo(path).size() / 1e6, runs);
    const QDate today = app.clock().today();

    std::size_t listRows = 0, alertRows = 0, events = 0;
    const double listScan = medianMs(runs, {}, [&] {
        VehicleFile file(app.dir());
        std::vector<QString> rows;
        deadlines::collectDue(file, deadlines::Kind::Bollo, today, rows);
        listRows = rows.size();
    });
    const double alertScan = medianMs(runs, {}, [&] {
        VehicleFile file(app.dir());
        alertRows = alerts::collectDue(file, today).items.size();
    });
    std::size_t dueDates = 0;
    const double datesOnly = medianMs(runs, {}, [&] {
        VehicleFile file(app.dir());
        dueDates = 0;
        deadlines::scanDeadlines(file, deadlines::kKinds,
                                 [&](const deadlines::Deadline& d) { dueDates += deadlines::isDue(d.date, today); });
    });
    const double calendarScan = medianMs(runs, {}, [&] {
        VehicleFile file(app.dir());
        events = calendar::deadlineEvents(file, today).size();
    });
    std::printf("%-44s %8.2f ms  (%zu rows)\n", "scan: one deadline list (bollo)", listScan, listRows);
    std::printf("%-44s %8.2f ms  (%zu rows)  %.2f x the list\n", "scan: reminder, four kinds, sorted", alertScan,
                alertRows, alertScan / listScan);
    std::printf("%-44s %8.2f ms  (%zu due)\n", "scan: four kinds, dates only", datesOnly, dueDates);
    std::printf("%-44s %8.2f ms  (%zu events)\n", "scan: calendar events", calendarScan, events);

    app.openArea(QStringLiteral("frmMenuScadenze"));
    QWidget* menu = app.screen(QStringLiteral("frmMenuScadenze"));
    const auto closeOpen = [&](const char* name) {
        if (QWidget* old = app.screen(QString::fromLatin1(name)))
            old->close();
        settle();
    };
    const double listShown = medianMs(
        runs, [&] { closeOpen("frmScadBollo"); },
        [&] {
            menu->findChild<QPushButton*>(QStringLiteral("btnBollo"))->click();
            settle();
        });
    closeOpen("frmScadBollo");
    const double alertShown = medianMs(
        runs, [&] { closeOpen("frmPromemoriaScadenze"); },
        [&] {
            alerts::remindOnEntering(app.context(), menu);
            settle();
        });
    std::printf("%-44s %8.2f ms\n", "shown: frmScadBollo, filled", listShown);
    std::printf("%-44s %8.2f ms  %.2f x the list  %s\n", "shown: reminder window, filled", alertShown,
                alertShown / listShown, alertShown <= listShown * 1.25 ? "ok" : "OVER TARGET");
    return 0;
}
