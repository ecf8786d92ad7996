#include "support/record_fixtures.h"
#include "support/failing_device.h"
#include "support/test_registry.h"

#include "records/record_file.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

constexpr int kSize = 10;

QByteArray record(char c) {
    return QByteArray(kSize, c);
}

// Another process's write lock on a whole file, held until release(): either kind of POSIX
// record lock a program on another machine's share might hold.
class ForeignLock {
public:
    ForeignLock(const QString& path, bool openFileDescription) {
        int ready[2];
        if (::pipe(ready) != 0 || ::pipe(m_release) != 0)
            qFatal("pipe");
        m_child = fork();
        if (m_child == 0) {
            const int fd = ::open(QFile::encodeName(path).constData(), O_RDWR);
            struct flock lock {};
            lock.l_type = F_WRLCK;
            lock.l_whence = SEEK_SET;
            const int command = openFileDescription ? F_OFD_SETLK : F_SETLK;
            char c = ::fcntl(fd, command, &lock) == 0 ? 'y' : 'n';
            (void)!::write(ready[1], &c, 1);
            (void)!::read(m_release[0], &c, 1);
            _exit(0);
        }
        char c = 0;
        m_locked = ::read(ready[0], &c, 1) == 1 && c == 'y';
        ::close(ready[0]);
        ::close(ready[1]);
    }
    ~ForeignLock() { release(); }
    bool locked() const { return m_locked; }
    void release() {
        if (m_child <= 0)
            return;
        (void)!::write(m_release[1], "x", 1);
        waitpid(m_child, nullptr, 0);
        m_child = -1;
        ::close(m_release[0]);
        ::close(m_release[1]);
    }

private:
    pid_t m_child = -1;
    int m_release[2] = {-1, -1};
    bool m_locked = false;
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
        file.scan([&](qint64 p, QByteArrayView r) {
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
        file.scan([&](qint64, QByteArrayView r) {
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

    void update_refusesAPositionPastTheEnd_data() {
        QTest::addColumn<qint64>("position");
        QTest::newRow("just past the last record") << qint64(3);
        QTest::newRow("over the partial tail and beyond") << qint64(7);
        QTest::newRow("zero") << qint64(0);
        QTest::newRow("past 32 bits") << (qint64(1) << 33);
    }
    void update_refusesAPositionPastTheEnd() {
        QFETCH(qint64, position);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("f.pro"));
        const QByteArray before = record('a') + record('b') + QByteArray("zz");
        fixtures::writeFile(path, before);
        RecordFile file(path, kSize);
        QVERIFY_THROWS_EXCEPTION(RecordFileError, file.updateAt(position, record('X')));
        file.close();
        QCOMPARE(fixtures::readFile(path), before);
    }

    void updateIfUnchanged_writesOnlyOverWhatWasExpected() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("f.pro"));
        fixtures::writeFile(path, record('a') + record('b'));
        RecordFile file(path, kSize);
        const auto storedIsB = [](QByteArrayView stored) { return stored == record('b'); };
        QVERIFY(!file.updateIfUnchanged(1, record('X'), storedIsB));
        QVERIFY(file.updateIfUnchanged(2, record('Y'), storedIsB));
        file.close();
        QCOMPARE(fixtures::readFile(path), record('a') + record('Y'));
    }

    // A sparse file of more than 2^31 one-byte... two-byte records: nothing on the way counts in 32 bits.
    void positionsPast32Bits() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("huge.pro"));
        const qint64 records = (qint64(1) << 31) + 5;
        {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            if (!f.resize(records * 2))
                QSKIP("no room for a sparse file here");
        }
        RecordFile file(path, 2);
        QCOMPARE(file.count(), records);
        file.updateAt(records, QByteArray("up"));
        QCOMPARE(file.readAt(records), QByteArray("up"));
        QCOMPARE(file.append(QByteArray("ap")), records + 1);
        QCOMPARE(file.readAt(records + 1), QByteArray("ap"));
        file.close();
        QCOMPARE(QFileInfo(path).size(), (records + 1) * 2);
    }

    void lockOfAnotherProcess_holdsTheWriteBack_data() {
        QTest::addColumn<bool>("openFileDescription");
        QTest::addColumn<bool>("update");
        QTest::newRow("open file description lock, append") << true << false;
        QTest::newRow("open file description lock, update") << true << true;
        QTest::newRow("process record lock, append") << false << false;
        QTest::newRow("process record lock, update") << false << true;
    }
    void lockOfAnotherProcess_holdsTheWriteBack() {
        QFETCH(bool, openFileDescription);
        QFETCH(bool, update);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("shared.pro"));
        fixtures::writeFile(path, record('a'));
        ForeignLock lock(path, openFileDescription);
        QVERIFY(lock.locked());
        // The write runs in a child of its own, so a lock that holds cannot hang the test.
        const pid_t writer = fork();
        if (writer == 0) {
            try {
                RecordFile file(path, kSize);
                if (update)
                    file.updateAt(1, record('u'));
                else
                    file.append(record('n'));
                file.close();
            } catch (...) {
                _exit(1);
            }
            _exit(0);
        }
        QTest::qWait(300);
        int status = 0;
        QCOMPARE(waitpid(writer, &status, WNOHANG), 0); // still waiting for the lock
        QCOMPARE(fixtures::readFile(path), record('a'));
        lock.release();
        QCOMPARE(waitpid(writer, &status, 0), writer);
        QVERIFY(WIFEXITED(status) && WEXITSTATUS(status) == 0);
        QCOMPARE(fixtures::readFile(path), update ? record('u') : record('a') + record('n'));
    }
};

VESTRANO_TEST(RecordFileTest)
#include "record_file_test.moc"
