#include "records/parallel_scan.h"
#include "records/record_file.h"
#include "support/failing_device.h"
#include "support/test_registry.h"

#include <QTest>

#include <chrono>
#include <cstring>
#include <memory>
#include <stdexcept>
#include <thread>
#include <vector>

namespace {

// One read of the scan from first to last takes 1024 records of this size.
constexpr int kSize = 4096;

// Record p starts with its position; the rest of it changes with p too.
QByteArray recordsOf(int count) {
    QByteArray bytes;
    bytes.reserve(qsizetype(count) * kSize);
    for (int p = 1; p <= count; ++p) {
        QByteArray record(kSize, char('a' + p % 26));
        std::memcpy(record.data(), &p, sizeof p);
        bytes += record;
    }
    return bytes;
}

std::unique_ptr<RecordFile> fileOf(const QByteArray& bytes, qint64 failAt = -1) {
    return std::make_unique<RecordFile>(
        std::make_unique<FailingDevice>(bytes, failAt < 0 ? bytes.size() + 1 : failAt), kSize);
}

int positionIn(QByteArrayView record) {
    int p = 0;
    std::memcpy(&p, record.data(), sizeof p);
    return p;
}

struct Outcome {
    std::vector<int> visited; // the positions each record holds, in the order they came back
    bool failed = false;
};

Outcome sequential(RecordFile& file) {
    Outcome o;
    try {
        file.scan([&](int position, QByteArrayView record) {
            if (positionIn(record) != position)
                throw std::logic_error("record out of place");
            o.visited.push_back(position);
            return true;
        });
    } catch (const RecordFileError&) {
        o.failed = true;
    }
    return o;
}

// Every hand-over is exercised when the helpers start at once; a slow step makes them join
// after the calling thread's first blocks instead.
Outcome parallel(RecordFile& file, int workers, qint64 blockBytes,
                 parallel_scan::Start start = parallel_scan::Start::AllAtOnce, bool slowStep = false) {
    Outcome o;
    try {
        parallel_scan::collectInOrder(
            file, o.visited,
            [slowStep](std::vector<int>& part, int position, QByteArrayView record) {
                if (positionIn(record) != position)
                    throw std::logic_error("record out of place");
                if (slowStep)
                    std::this_thread::sleep_for(std::chrono::microseconds(20));
                part.push_back(position);
            },
            workers, blockBytes, start);
    } catch (const RecordFileError&) {
        o.failed = true;
    }
    return o;
}

} // namespace

class ParallelScanTest : public QObject {
    Q_OBJECT
private slots:
    void sameRecordsInFileOrder_data() {
        QTest::addColumn<int>("records");
        QTest::addColumn<int>("workers");
        QTest::addColumn<int>("blockBytes");
        QTest::newRow("empty file") << 0 << 4 << 64 * 1024;
        QTest::newRow("one record") << 1 << 4 << 64 * 1024;
        QTest::newRow("less than a block") << 5 << 2 << 64 * 1024;
        QTest::newRow("three reads, two workers") << 2500 << 2 << 64 * 1024;
        QTest::newRow("one record a block, four workers") << 2500 << 4 << kSize;
        QTest::newRow("one worker") << 2500 << 1 << 64 * 1024;
        QTest::newRow("blocks larger than a read") << 2500 << 3 << 64 * 1024 * 1024;
    }
    void sameRecordsInFileOrder() {
        QFETCH(int, records);
        QFETCH(int, workers);
        QFETCH(int, blockBytes);
        const QByteArray bytes = recordsOf(records) + QByteArray(kSize / 2, 'x'); // an incomplete last record
        const Outcome expected = sequential(*fileOf(bytes));
        QCOMPARE(int(expected.visited.size()), records);
        const Outcome got = parallel(*fileOf(bytes), workers, blockBytes);
        QVERIFY(!got.failed);
        QCOMPARE(got.visited, expected.visited);
    }

    // A read that fails part-way loses what the scan from first to last loses, whichever thread
    // meets it and however the blocks are cut.
    void failingPartWay_losesWhatTheSequentialScanLoses_data() {
        QTest::addColumn<qint64>("failAt");
        QTest::newRow("first byte") << qint64(0);
        QTest::newRow("inside the first read") << qint64(10 * kSize + 5);
        QTest::newRow("start of the second read") << qint64(1024) * kSize;
        QTest::newRow("inside the third read") << qint64(2100) * kSize + 17;
        QTest::newRow("last record") << qint64(2499) * kSize + 1;
    }
    void failingPartWay_losesWhatTheSequentialScanLoses() {
        QFETCH(qint64, failAt);
        const QByteArray bytes = recordsOf(2500);
        const Outcome expected = sequential(*fileOf(bytes, failAt));
        QVERIFY(expected.failed);
        for (const int workers : {1, 2, 4}) {
            for (const int blockBytes : {kSize, 64 * 1024, 1024 * 1024}) {
                const Outcome got = parallel(*fileOf(bytes, failAt), workers, blockBytes);
                QVERIFY2(got.failed, qPrintable(QStringLiteral("%1 workers").arg(workers)));
                QCOMPARE(got.visited, expected.visited);
            }
        }
    }

    // Helpers that join once the work proves slow, also when a read then fails.
    void helpersJoiningLate_keepFileOrder() {
        const QByteArray bytes = recordsOf(2500);
        for (const qint64 failAt : {qint64(-1), qint64(2100) * kSize + 17}) {
            const Outcome expected = sequential(*fileOf(bytes, failAt));
            const Outcome got = parallel(*fileOf(bytes, failAt), 2, 16 * kSize, parallel_scan::Start::WhenWorthIt, true);
            QCOMPARE(got.failed, expected.failed);
            QCOMPARE(got.visited, expected.visited);
        }
    }

    void stepThatThrows_passesItsErrorOn() {
        const auto file = fileOf(recordsOf(2500));
        std::vector<int> visited;
        QVERIFY_THROWS_EXCEPTION(std::runtime_error,
                                 parallel_scan::collectInOrder(
                                     *file, visited,
                                     [](std::vector<int>& part, int position, QByteArrayView) {
                                         if (position == 1800)
                                             throw std::runtime_error("no room");
                                         part.push_back(position);
                                     },
                                     4, 64 * 1024));
        // Only whole blocks before the failing one came back, in order.
        QVERIFY(!visited.empty() && int(visited.size()) < 1800);
        for (std::size_t i = 0; i < visited.size(); ++i)
            QCOMPARE(visited[i], int(i) + 1);
    }
};

VESTRANO_TEST(ParallelScanTest)
#include "parallel_scan_test.moc"
