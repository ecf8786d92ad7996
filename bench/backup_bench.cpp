// A backup and a restore of a large data folder, run as the program runs them (on the worker
// thread), with the user-interface thread's longest pause while they run.
// Usage: backup_bench [cards entries]   (default 10000 cards with a photo each, 100000 entries)
#include "bench_application.h"
#include "app/app_context.h"
#include "app/dialogs.h"
#include "backup/backup_folder.h"
#include "backup/backup_runner.h"
#include "backup/backup_summary.h"
#include "cost_generator.h"
#include "vehicle_generator.h"

#include <QBuffer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTimer>

#include <sys/resource.h>

#include <cstdio>

namespace {

long peakKilobytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

QByteArray cameraLikePhoto() {
    QImage photo(800, 600, QImage::Format_RGB32);
    QRandomGenerator random(7);
    for (int y = 0; y < photo.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(photo.scanLine(y));
        for (int x = 0; x < photo.width(); ++x) {
            const int n = int(random.bounded(48));
            line[x] = qRgb((x / 31 + n) & 0xFF, (y / 23 + n) & 0xFF, ((x + y) / 41 + n) & 0xFF);
        }
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    photo.save(&buffer, "JPEG", 85);
    return bytes;
}

// Runs one job on the worker thread and measures the longest gap between 10 ms ticks of a
// timer on the user-interface thread meanwhile.
struct Run {
    double seconds = 0;
    qint64 longestPauseMs = 0;
    bool ok = false;
};

Run measure(BackupRunner& runner, const std::function<bool()>& start) {
    Run run;
    QElapsedTimer wall;
    QElapsedTimer sinceTick;
    QTimer tick;
    tick.setInterval(10);
    QObject::connect(&tick, &QTimer::timeout, [&] {
        run.longestPauseMs = std::max(run.longestPauseMs, sinceTick.restart());
    });
    QObject::connect(&runner, &BackupRunner::finished, [&run](BackupRunner::Job, bool ok) { run.ok = ok; });
    wall.start();
    sinceTick.start();
    tick.start();
    if (!start())
        return run;
    runner.waitForEnd();
    run.seconds = double(wall.nsecsElapsed()) / 1e9;
    tick.stop();
    runner.disconnect();
    return run;
}

class SilentDialogs : public Dialogs {
public:
    void notice(QWidget*, NoticeKind, const QString& text) override { std::printf("  notice: %s\n", qPrintable(text)); }
    bool question(QWidget*, const QString&) override { return true; }
    void message(QWidget*, const QString&) override {}
    std::optional<QString> input(QWidget*, const QString&, const QString&, const QString&) override { return {}; }
    QString openFile(QWidget*, const QString&, const QString&) override { return {}; }
    QString saveFile(QWidget*, const QString&, const QString&, const QString&, const QString&) override { return {}; }
};

} // namespace

int main(int argc, char* argv[]) {
    bench::Application app(argc, argv);
    const int cards = argc > 2 ? std::atoi(argv[1]) : 10000;
    const int entries = argc > 2 ? std::atoi(argv[2]) : 100000;

    QTemporaryDir temp;
    const QString dir = temp.path() + u'/';
    bench::VehicleGenerator().writeFile(dir + QStringLiteral("Parco_Automezzi.pro"), cards);
    bench::CostGenerator().writeFile(dir + QStringLiteral("2026.eur"), entries);
    QFile store(dir + QStringLiteral("unins000.dll"));
    if (!store.open(QIODevice::WriteOnly) || store.write("[Accesso]\r\nValore=7A7B7C\r\n") <= 0)
        return 1;
    store.close();
    QDir(dir).mkpath(QStringLiteral("Autoparco"));
    const QByteArray photo = cameraLikePhoto();
    for (int n = 1; n <= cards; ++n) {
        QFile f(dir + QStringLiteral("Autoparco/Scheda_Veicolo_%1.jpg").arg(n));
        if (!f.open(QIODevice::WriteOnly) || f.write(photo) != photo.size())
            return 1;
    }
    std::printf("data folder: %d cards (%.1f MB), %d cost entries (%.1f MB), %d photos of %.0f KB\n", cards,
                QFileInfo(dir + QStringLiteral("Parco_Automezzi.pro")).size() / 1048576.0, entries,
                QFileInfo(dir + QStringLiteral("2026.eur")).size() / 1048576.0, cards, photo.size() / 1024.0);
    const long peakBefore = peakKilobytes();

    SystemClock clock;
    SilentDialogs dialogs;
    AppContext ctx;
    ctx.programDir = dir;
    ctx.clock = &clock;
    ctx.dialogs = &dialogs;
    BackupRunner runner(ctx);

    const Run backup = measure(runner, [&] { return runner.startBackup(BackupRunner::Job::Automatic); });
    const QList<backup::BackupFile> taken = backup::listIn(dir);
    std::printf("backup: %.1f s, %s, archive %.1f MB; longest pause of the UI thread %lld ms\n", backup.seconds,
                backup.ok ? "ok" : "FAILED", taken.isEmpty() ? 0.0 : QFileInfo(taken.first().path).size() / 1048576.0,
                backup.longestPauseMs);

    QElapsedTimer listing;
    listing.start();
    const QList<backup::Summary> summaries = backup::summariseAll(dir);
    std::printf("list of backups read from the archives: %lld ms (%lld cards in the newest)\n", listing.elapsed(),
                summaries.isEmpty() ? 0LL : summaries.first().cards);

    Run restore;
    if (!taken.isEmpty()) {
        const QString archive = taken.first().path;
        restore = measure(runner, [&] { return runner.startRestore(archive); });
        std::printf("restore (checks, backup of the current data, replacement): %.1f s, %s; longest pause of the "
                    "UI thread %lld ms\n",
                    restore.seconds, restore.ok ? "ok" : "FAILED", restore.longestPauseMs);
    }
    std::printf("peak memory: %ld MB before, %ld MB after backup and restore\n", peakBefore / 1024,
                peakKilobytes() / 1024);
    return backup.ok && restore.ok ? 0 : 1;
}
