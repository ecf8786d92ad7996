// What it costs to sync a cost entry to disk before the program says it is saved: one append
// and one update in place (stored record checked against the loaded one) on a large year,
// each as one event (open, lock, write, close), with the sync and without it.
// Usage: sync_bench [entries] [runs] [folder]   (default 100000 entries, 51 runs, a temporary
// folder; name a folder on a network share to see the cost there)
#include "bench_timing.h"
#include "cost_generator.h"

#include "costs/cost_file.h"
#include "records/loaded_record.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

#include <unistd.h>

using bench::medianMs;

namespace {

struct Figures {
    double append;
    double update;
};

TSchedaCosto entryAt(const QString& path, qint64 position) {
    CostFile file(path);
    const TSchedaCosto entry = file.entryAt(position);
    file.close();
    return entry;
}

Figures time(const QString& path, int runs, RecordFile::Sync sync, qint64 middle) {
    bench::CostGenerator more(7);
    const QByteArray appended = more.next().encode();
    TSchedaCosto changed = entryAt(path, middle);
    LoadedRecord onScreen(TSchedaCosto::layout());
    onScreen.remember(middle, changed.encode());
    Figures f{};
    f.append = medianMs(runs, nullptr, [&] {
        RecordFile file(path, TSchedaCosto::kRecordSize, sync);
        file.append(appended);
        file.close();
    });
    int flip = 0;
    int written = 0;
    f.update = medianMs(runs, [&] { changed[TSchedaCosto::Note] = QString::number(++flip); }, [&] {
        RecordFile file(path, TSchedaCosto::kRecordSize, sync);
        const QByteArray record = changed.encode();
        written += file.updateIfUnchanged(middle, record,
                                          [&](QByteArrayView stored) { return onScreen.unchangedAt(middle, stored); });
        onScreen.remember(middle, record);
        file.close();
    });
    if (written != runs)
        std::fprintf(stderr, "only %d of %d updates were written\n", written, runs);
    return f;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const int entries = argc > 1 ? std::atoi(argv[1]) : 100000;
    const int runs = argc > 2 ? std::atoi(argv[2]) : 51;
    QTemporaryDir temp(argc > 3 ? QDir(QString::fromLocal8Bit(argv[3])).filePath(QStringLiteral("sync_bench-XXXXXX"))
                                : QDir::tempPath() + QStringLiteral("/sync_bench-XXXXXX"));
    if (!temp.isValid()) {
        std::fprintf(stderr, "cannot create a folder for the year file\n");
        return 1;
    }
    const QString path = temp.filePath(QStringLiteral("2026.eur"));
    bench::CostGenerator generator;
    if (!generator.writeFile(path, entries)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return 1;
    }
    const qint64 middle = entries / 2 + 1;
    {
        // The generated file goes to disk first, or the first synced write would pay for all of it.
        QFile generated(path);
        if (!generated.open(QIODevice::ReadOnly) || ::fsync(generated.handle()) != 0)
            return 1;
    }
    const Figures plain = time(path, runs, RecordFile::Sync::None, middle);
    const Figures synced = time(path, runs, RecordFile::Sync::ToDisk, middle);
    std::printf("year file: %d entries (%.0f MB) in %s, median of %d runs\n", entries,
                entries * double(TSchedaCosto::kRecordSize) / 1e6, qPrintable(temp.path()), runs);
    std::printf("%-28s %12s %12s %12s\n", "", "no sync ms", "synced ms", "sync costs");
    std::printf("%-28s %12.3f %12.3f %12.3f\n", "append (open, lock, write)", plain.append, synced.append,
                synced.append - plain.append);
    std::printf("%-28s %12.3f %12.3f %12.3f\n", "update (check, write)", plain.update, synced.update,
                synced.update - plain.update);
    return 0;
}
