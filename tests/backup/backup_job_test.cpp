#include "support/file_size_limit.h"
#include "support/record_fixtures.h"
#include "support/test_registry.h"

#include "backup/backup_command.h"
#include "backup/backup_folder.h"
#include "backup/backup_job.h"
#include "backup/backup_summary.h"
#include "backup/restore_job.h"
#include "backup/zip_archive.h"
#include "costs/cost_record.h"
#include "vehicles/vehicle_record.h"

#include <QDir>
#include <QDirIterator>
#include <QMap>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>

#include <csignal>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace backup;

namespace {

const QDateTime kNow(QDate(2026, 3, 14), QTime(9, 30, 0));

QByteArray randomBytes(qsizetype n, quint32 seed) {
    QRandomGenerator random(seed);
    QByteArray bytes(n, Qt::Uninitialized);
    for (char& c : bytes)
        c = static_cast<char>(random.bounded(256));
    return bytes;
}

// A data folder with every kind of file a backup holds, and one it must leave out.
void writeDataFolder(const QString& dir) {
    QDir().mkpath(dir);
    fixtures::writeFile(dir + QStringLiteral("Parco_Automezzi.pro"), randomBytes(3 * TSchedaVeicolo::kRecordSize, 1));
    fixtures::writeFile(dir + QStringLiteral("2025.eur"), randomBytes(5 * TSchedaCosto::kRecordSize, 2));
    fixtures::writeFile(dir + QStringLiteral("2026.eur"), randomBytes(2 * TSchedaCosto::kRecordSize, 3));
    fixtures::writeFile(dir + QStringLiteral("unins000.dll"), QByteArrayLiteral("[Accesso]\r\nValore=4142\r\n"));
    QDir(dir).mkpath(QStringLiteral("Autoparco"));
    QDir(dir).mkpath(QStringLiteral("Documenti_Allegati"));
    fixtures::writeFile(dir + QStringLiteral("Autoparco/Scheda_Veicolo_1.jpg"), randomBytes(20000, 4));
    fixtures::writeFile(dir + QStringLiteral("Autoparco/Scheda_Veicolo_3.jpg"), randomBytes(7000, 5));
    fixtures::writeFile(dir + QStringLiteral("Documenti_Allegati/libretto è.pdf"), randomBytes(9000, 6));
    fixtures::writeFile(dir + QStringLiteral("Parco_Automezzi.xls"), QByteArrayLiteral("<table></table>"));
}

// Every file of the data folder outside Backup/, with its bytes.
QMap<QString, QByteArray> snapshot(const QString& dir) {
    QMap<QString, QByteArray> files;
    QDirIterator it(dir, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString name = QDir(dir).relativeFilePath(path);
        if (!name.startsWith(QStringLiteral("Backup/")))
            files.insert(name, fixtures::readFile(path));
    }
    return files;
}

QStringList backupFolderNames(const QString& dir) {
    return QDir(folderIn(dir)).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

// An archive with any names and contents, for restores of archives we did not write.
QString craftArchive(const QString& dir, const QList<QPair<QString, QByteArray>>& entries) {
    QList<Item> items;
    QDir(dir).mkpath(QStringLiteral("craft"));
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const QString source = dir + QStringLiteral("craft/%1").arg(i);
        fixtures::writeFile(source, entries[i].second);
        items.append({entries[i].first, source, 0});
    }
    QDir().mkpath(folderIn(dir));
    const QString path = folderIn(dir) + u'/' + fileNameFor(kNow.addDays(-3));
    QString error;
    if (!writeArchive(path, items, nullptr, nullptr, error))
        qFatal("cannot write the archive: %s", qPrintable(error));
    QDir(dir + QStringLiteral("craft")).removeRecursively();
    return path;
}

} // namespace

class BackupJobTest : public QObject {
    Q_OBJECT
private slots:
    void backupThenRestore_givesByteIdenticalFiles() {
        QTemporaryDir temp;
        const QString dir = temp.path() + u'/';
        writeDataFolder(dir);
        const QMap<QString, QByteArray> before = snapshot(dir);

        const Outcome taken = takeBackup(dir, kNow);
        QVERIFY2(taken.ok, qPrintable(taken.error));
        QCOMPARE(QFileInfo(taken.path).fileName(), QStringLiteral("Vestrano_2026-03-14_093000.zip"));
        QCOMPARE(backupFolderNames(dir), QStringList{QStringLiteral("Vestrano_2026-03-14_093000.zip")});

        const Summary summary = summarise({taken.path, kNow});
        QVERIFY(summary.readable);
        QCOMPARE(summary.cards, 3);
        QCOMPARE(yearsText(summary), QStringLiteral("2025: 5  ·  2026: 2"));
        QCOMPARE(summary.photos, 2);
        QCOMPARE(summary.attachments, 1);

        // The user then loses and damages data.
        fixtures::writeFile(dir + QStringLiteral("Parco_Automezzi.pro"), QByteArray(10, 'x'));
        QFile::remove(dir + QStringLiteral("2026.eur"));
        QDir(dir + QStringLiteral("Autoparco")).removeRecursively();
        fixtures::writeFile(dir + QStringLiteral("Documenti_Allegati/libretto è.pdf"), "changed");

        const Outcome restored = restoreBackup(dir, taken.path, kNow.addSecs(60));
        QVERIFY2(restored.ok, qPrintable(restored.error));
        QCOMPARE(snapshot(dir), before);
        // The data as it was before the restore is a backup of its own.
        QCOMPARE(QFileInfo(restored.path).fileName(), QStringLiteral("Vestrano_2026-03-14_093100.zip"));
        QCOMPARE(summarise({restored.path, kNow}).cards, 0);
    }

    void recordFiles_areSavedAsWholeRecords() {
        QTemporaryDir temp;
        const QString dir = temp.path() + u'/';
        // A tail the program ignores (a record cut short) does not go into the backup.
        fixtures::writeFile(dir + QStringLiteral("2024.eur"), QByteArray(2 * TSchedaCosto::kRecordSize + 100, 'a'));
        const Outcome taken = takeBackup(dir, kNow);
        QVERIFY2(taken.ok, qPrintable(taken.error));
        ArchiveReader archive(taken.path);
        QCOMPARE(archive.entries().size(), 1);
        QCOMPARE(archive.entries().first().size, qint64(2 * TSchedaCosto::kRecordSize));
    }

    // Closing the program abandons a backup under way: nothing committed, nothing left behind,
    // the earlier backups as they were.
    void abandoned_leavesNoArchiveAndTheEarlierOnes() {
        QTemporaryDir temp;
        const QString dir = temp.path() + u'/';
        writeDataFolder(dir);
        const Outcome earlier = takeBackup(dir, kNow.addDays(-1));
        QVERIFY2(earlier.ok, qPrintable(earlier.error));
        const QByteArray earlierBytes = fixtures::readFile(earlier.path);

        Progress progress;
        progress.abandoned = true;
        const Outcome taken = takeBackup(dir, kNow, &progress);
        QVERIFY(!taken.ok);
        QVERIFY(!taken.error.isEmpty());
        QCOMPARE(QDir(folderIn(dir)).entryList(QDir::Files | QDir::Hidden),
                 QStringList{QFileInfo(earlier.path).fileName()});
        QCOMPARE(fixtures::readFile(earlier.path), earlierBytes);
    }

    void rotation_keepsTheNewest30() {
        QTemporaryDir temp;
        const QString dir = temp.path() + u'/';
        writeDataFolder(dir);
        QDir().mkpath(folderIn(dir));
        for (int day = 1; day <= 30; ++day)
            fixtures::writeFile(folderIn(dir) + u'/' + fileNameFor(kNow.addDays(-day)), "old");
        fixtures::writeFile(folderIn(dir) + QStringLiteral("/appunti.txt"), "not a backup");

        const Outcome taken = takeBackup(dir, kNow);
        QVERIFY2(taken.ok, qPrintable(taken.error));
        const QList<BackupFile> kept = listIn(dir);
        QCOMPARE(kept.size(), 30);
        QCOMPARE(kept.first().takenAt, kNow);
        QCOMPARE(kept.last().takenAt, kNow.addDays(-29));
        QVERIFY(!QFile::exists(folderIn(dir) + u'/' + fileNameFor(kNow.addDays(-30))));
        QVERIFY(QFile::exists(folderIn(dir) + QStringLiteral("/appunti.txt")));
    }

    void failedBackup_leavesOlderBackupsAndTellsWhy_data() {
        QTest::addColumn<QString>("damage");
        QTest::addColumn<QString>("reason");
        QTest::newRow("disk full") << "disk full" << "spazio su disco esaurito";
        QTest::newRow("vehicle file is a folder") << "folder" << "Parco_Automezzi.pro non è un file leggibile";
        QTest::newRow("Backup is a file") << "backup file" << "impossibile creare la cartella";
    }
    void failedBackup_leavesOlderBackupsAndTellsWhy() {
        QFETCH(QString, damage);
        QFETCH(QString, reason);
        QTemporaryDir temp;
        const QString dir = temp.path() + u'/';
        writeDataFolder(dir);
        fixtures::writeFile(dir + QStringLiteral("2027.eur"), randomBytes(400 * TSchedaCosto::kRecordSize, 7));
        const Outcome older = takeBackup(dir, kNow.addDays(-2));
        QVERIFY2(older.ok, qPrintable(older.error));
        const QByteArray olderBytes = fixtures::readFile(older.path);

        Outcome outcome;
        if (damage == QLatin1String("disk full")) {
            FileSizeLimit full(200 * 1024);
            outcome = takeBackup(dir, kNow);
        } else if (damage == QLatin1String("folder")) {
            QFile::remove(dir + QStringLiteral("Parco_Automezzi.pro"));
            QDir(dir).mkdir(QStringLiteral("Parco_Automezzi.pro"));
            outcome = takeBackup(dir, kNow);
        } else {
            const QString other = temp.path() + QStringLiteral("/other/");
            writeDataFolder(other);
            fixtures::writeFile(other + QStringLiteral("Backup"), "a file");
            outcome = takeBackup(other, kNow);
            QCOMPARE(fixtures::readFile(other + QStringLiteral("Backup")), QByteArray("a file"));
        }
        QVERIFY(!outcome.ok);
        QVERIFY2(outcome.error.contains(reason), qPrintable(outcome.error));
        QCOMPARE(backupFolderNames(dir), QStringList{QFileInfo(older.path).fileName()});
        QCOMPARE(fixtures::readFile(older.path), olderBytes);
    }

    void appendFromAnotherProgram_isWhollyInOrOut() {
        QTemporaryDir temp;
        const QString dir = temp.path() + u'/';
        const QString year = dir + QStringLiteral("2026.eur");
        constexpr int size = TSchedaCosto::kRecordSize;
        fixtures::writeFile(year, QByteArray(size, 'A'));

        // The other program appends under the append lock, and writes each record's second half
        // before its first: a copy taken without the lock would hold records with a blank start.
        const QByteArray path = QFile::encodeName(year);
        const pid_t child = fork();
        if (child == 0) {
            for (int i = 0; i < 400; ++i) {
                const int fd = ::open(path.constData(), O_RDWR);
                struct flock lock {};
                lock.l_type = F_WRLCK;
                lock.l_whence = SEEK_SET;
                ::fcntl(fd, F_OFD_SETLKW, &lock);
                const off_t end = ::lseek(fd, 0, SEEK_END);
                char half[size];
                std::memset(half, 'B' + i % 20, sizeof half);
                (void)!::pwrite(fd, half, size - size / 2, end + size / 2);
                ::usleep(500);
                (void)!::pwrite(fd, half, size / 2, end);
                lock.l_type = F_UNLCK;
                ::fcntl(fd, F_OFD_SETLKW, &lock);
                ::close(fd);
                ::usleep(200);
            }
            _exit(0);
        }
        QList<qint64> counts;
        for (int round = 0; round < 6; ++round) {
            const Outcome taken = takeBackup(dir, kNow.addSecs(round));
            QVERIFY2(taken.ok, qPrintable(taken.error));
            ArchiveReader archive(taken.path);
            QByteArray copy;
            QString error;
            QVERIFY(archive.read(
                0, [&copy](QByteArrayView block, QString&) { return copy.append(block), true; }, error));
            QCOMPARE(copy.size() % size, 0);
            for (qsizetype at = 0; at < copy.size(); at += size) {
                const QByteArray record = copy.mid(at, size);
                QCOMPARE(record.count(record.at(0)), qsizetype(size)); // never half a record
            }
            counts.append(copy.size() / size);
            QTest::qWait(20);
        }
        int status = 0;
        ::waitpid(child, &status, 0);
        QVERIFY(counts.last() > counts.first()); // the appends did run during the backups
    }

    void restoreOfABadArchive_changesNothingAndTellsWhy_data() {
        QTest::addColumn<QString>("damage");
        QTest::addColumn<QString>("reason");
        QTest::newRow("damaged data") << "crc" << "CRC";
        QTest::newRow("cut short") << "truncated" << "archivio zip integro";
        QTest::newRow("name outside the folder") << "escape" << "file non previsto: ../fuori.txt";
        QTest::newRow("year file not whole records") << "partial" << "2025.eur non contiene un numero intero";
        QTest::newRow("replacement fails part-way") << "blocked" << "impossibile sostituire";
    }
    void restoreOfABadArchive_changesNothingAndTellsWhy() {
        QFETCH(QString, damage);
        QFETCH(QString, reason);
        QTemporaryDir temp;
        const QString dir = temp.path() + u'/';
        writeDataFolder(dir);
        const Outcome taken = takeBackup(dir, kNow.addDays(-1));
        QVERIFY2(taken.ok, qPrintable(taken.error));
        QString archive = taken.path;

        // The data has moved on since the backup.
        fixtures::writeFile(dir + QStringLiteral("Parco_Automezzi.pro"), randomBytes(4 * TSchedaVeicolo::kRecordSize, 9));
        if (damage == QLatin1String("crc")) {
            // Photos are stored as they are: one flipped byte of a photo's data breaks its CRC.
            QByteArray bytes = fixtures::readFile(archive);
            const QByteArray photo = randomBytes(20000, 4);
            const qsizetype at = bytes.indexOf(photo.mid(5000, 64));
            QVERIFY(at > 0);
            bytes[at] = static_cast<char>(bytes[at] ^ 0x55);
            fixtures::writeFile(archive, bytes);
        } else if (damage == QLatin1String("truncated")) {
            fixtures::writeFile(archive, fixtures::readFile(archive).left(30000));
        } else if (damage == QLatin1String("escape")) {
            archive = craftArchive(dir, {{QStringLiteral("2025.eur"), QByteArray(TSchedaCosto::kRecordSize, 'z')},
                                         {QStringLiteral("../fuori.txt"), "x"}});
        } else if (damage == QLatin1String("partial")) {
            archive = craftArchive(dir, {{QStringLiteral("2025.eur"), QByteArray(TSchedaCosto::kRecordSize + 1, 'z')}});
        } else {
            // A folder where the backup has a photo: the files before it were replaced already.
            QFile::remove(dir + QStringLiteral("Autoparco/Scheda_Veicolo_3.jpg"));
            QVERIFY(QDir(dir).mkpath(QStringLiteral("Autoparco/Scheda_Veicolo_3.jpg")));
        }
        const QMap<QString, QByteArray> before = snapshot(dir);
        const QStringList backupsBefore = backupFolderNames(dir);

        const Outcome restored = restoreBackup(dir, archive, kNow);
        QVERIFY(!restored.ok);
        QVERIFY2(restored.error.contains(reason), qPrintable(restored.error));
        QVERIFY(!restored.dataChanged);
        QCOMPARE(snapshot(dir), before);
        QVERIFY(!QFile::exists(temp.path() + QStringLiteral("/fuori.txt")));
        if (damage == QLatin1String("blocked"))
            QCOMPARE(backupFolderNames(dir).size(), backupsBefore.size() + 1); // the backup taken first
        else
            QCOMPARE(backupFolderNames(dir), backupsBefore);
    }

    void commandLine_exitCodes_data() {
        QTest::addColumn<bool>("usable");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");
        QTest::newRow("done") << true << 0 << "Backup eseguito: " << "";
        QTest::newRow("failed") << false << 1 << ""
                                << "Backup non riuscito: la cartella dei dati non contiene file da salvare.\n";
    }
    void commandLine_exitCodes() {
        QFETCH(bool, usable);
        QFETCH(int, code);
        QFETCH(QString, out);
        QFETCH(QString, err);
        QTemporaryDir temp;
        const QString dir = temp.path() + u'/';
        if (usable)
            writeDataFolder(dir);
        QString outText;
        QString errText;
        QTextStream outStream(&outText);
        QTextStream errStream(&errText);
        QCOMPARE(runBackupCommand(dir, kNow, outStream, errStream), code);
        QCOMPARE(errText, err);
        QVERIFY(out.isEmpty() ? outText.isEmpty() : outText.startsWith(out));
        QCOMPARE(listIn(dir).size(), usable ? 1 : 0);
    }
};

VESTRANO_TEST(BackupJobTest)
#include "backup_job_test.moc"
