#include "support/record_fixtures.h"
#include "support/test_registry.h"

#include "records/record_file.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr int kSize = 10;

QByteArray record(char c) {
    return QByteArray(kSize, c);
}

// A device that fails every write after the first `allowed` bytes.
class FailingDevice : public QBuffer {
public:
    explicit FailingDevice(qint64 allowed) : m_allowed(allowed) {}

protected:
    qint64 writeData(const char* data, qint64 len) override {
        if (m_written + len > m_allowed)
            return -1;
        m_written += len;
        return QBuffer::writeData(data, len);
    }

private:
    qint64 m_allowed;
    qint64 m_written = 0;
};

} // namespace

class RecordFileTest : public QObject {
    Q_OBJECT
private slots:
    void count_data() {
        QTest::addColumn<int>("bytes");
        QTest::addColumn<int>("records");
        QTest::newRow("empty") << 0 << 0;
        QTest::newRow("short of one record") << kSize - 1 << 0;
        QTest::newRow("one") << kSize << 1;
        QTest::newRow("one and a byte") << kSize + 1 << 1;
        QTest::newRow("three") << 3 * kSize << 3;
    }
    void count() {
        QFETCH(int, bytes);
        QFETCH(int, records);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("f.pro"));
        fixtures::writeFile(path, QByteArray(bytes, 'x'));
        RecordFile file(path, kSize);
        QCOMPARE(file.count(), records);
    }

    void missingFile_isCreatedEmpty() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("new.pro"));
        {
            RecordFile file(path, kSize);
            QCOMPARE(file.count(), 0);
            file.close();
        }
        QVERIFY(QFile::exists(path));
        QCOMPARE(QFileInfo(path).size(), 0);
    }

    void unopenablePath_throwsAndReplacesNothing() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("taken.pro"));
        QDir().mkpath(path); // a folder where the file should be
        QVERIFY_THROWS_EXCEPTION(RecordFileError, RecordFile(path, kSize));
        QVERIFY(QFileInfo(path).isDir());
        // A missing folder on the way cannot be created either.
        QVERIFY_THROWS_EXCEPTION(RecordFileError, RecordFile(dir.filePath(QStringLiteral("no/such/f.pro")), kSize));
    }

    void appendOverPartialTail_writesTheNextSlot() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("f.pro"));
        fixtures::writeFile(path, record('a') + QByteArray("z"));
        RecordFile file(path, kSize);
        QCOMPARE(file.append(record('b')), 2);
        file.close();
        QCOMPARE(fixtures::readFile(path), record('a') + record('b'));
    }

    void readUpdateScan() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("f.pro"));
        fixtures::writeFile(path, record('a') + record('b') + record('c'));
        RecordFile file(path, kSize);
        QCOMPARE(file.readAt(2), record('b'));
        file.updateAt(2, record('B'));
        QVERIFY_THROWS_EXCEPTION(RecordFileError, file.readAt(4));
        QVERIFY_THROWS_EXCEPTION(RecordFileError, file.readAt(0));
        QByteArray seen;
        QList<int> positions;
        file.scan([&](int p, QByteArrayView r) {
            positions.append(p);
            seen += r.toByteArray();
            return true;
        });
        QCOMPARE(positions, (QList<int>{1, 2, 3}));
        QCOMPARE(seen, record('a') + record('B') + record('c'));
    }

    void scan_crossesBlockBoundaries() {
        // Large records so the scan needs several blocks.
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("big.pro"));
        const int size = 1024 * 1024 + 7;
        QByteArray bytes;
        for (int i = 0; i < 9; ++i)
            bytes += QByteArray(size, static_cast<char>('a' + i));
        fixtures::writeFile(path, bytes);
        RecordFile file(path, size);
        QString firsts;
        file.scan([&](int, QByteArrayView r) {
            firsts += QLatin1Char(r.front());
            return true;
        });
        QCOMPARE(firsts, QStringLiteral("abcdefghi"));
    }

    void failingWrite_throws() {
        auto device = std::make_unique<FailingDevice>(kSize + 3);
        RecordFile file(std::move(device), kSize);
        QCOMPARE(file.append(record('a')), 1);
        QVERIFY_THROWS_EXCEPTION(RecordFileError, file.append(record('b')));
    }

    void twoProcessesAppending_loseNoRecord() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("shared.pro"));
        constexpr int kEach = 300;
        pid_t children[2];
        for (int c = 0; c < 2; ++c) {
            children[c] = fork();
            if (children[c] == 0) {
                try {
                    for (int i = 0; i < kEach; ++i) {
                        RecordFile file(path, kSize); // one event per append, as the screens do
                        file.append(record(c == 0 ? 'x' : 'y'));
                        file.close();
                    }
                } catch (...) {
                    _exit(1);
                }
                _exit(0);
            }
        }
        for (pid_t child : children) {
            int status = 0;
            waitpid(child, &status, 0);
            QVERIFY(WIFEXITED(status) && WEXITSTATUS(status) == 0);
        }
        const QByteArray bytes = fixtures::readFile(path);
        QCOMPARE(bytes.size(), 2 * kEach * kSize);
        QCOMPARE(bytes.count('x'), kEach * kSize);
        QCOMPARE(bytes.count('y'), kEach * kSize);
        for (qsizetype at = 0; at < bytes.size(); at += kSize) // no record torn by the other
            QCOMPARE(bytes.mid(at, kSize), QByteArray(kSize, bytes.at(at)));
    }
};

VESTRANO_TEST(RecordFileTest)
#include "record_file_test.moc"
