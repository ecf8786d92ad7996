#include "support/record_fixtures.h"
#include "support/test_registry.h"

#include "app/data_folder.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using data_folder::Source;

namespace {

const QByteArray kDelivered = QByteArrayLiteral("[Accesso]\r\nValore=54FD055F4243285080D67FE73419\r\n");
const QString kStore = QStringLiteral("unins000.dll");

QByteArray contentOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

Q_DECLARE_METATYPE(data_folder::Source)

class DataFolderTest : public QObject {
    Q_OBJECT
private slots:
    void resolve_order_data() {
        QTest::addColumn<QString>("option");
        QTest::addColumn<QString>("environment");
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<bool>("executableWritable");
        QTest::addColumn<bool>("installed");
        QTest::addColumn<QString>("expected");
        QTest::addColumn<Source>("source");
        QTest::addColumn<bool>("mayCreate");
        // exe = /opt/v/bin, per-user = /home/u/.local/share/Vestrano
        QTest::newRow("option beats all") << "/data/opt" << "/data/env" << "/net/chosen" << true << false
                                          << "/data/opt/" << Source::Option << true;
        QTest::newRow("variable beats choice") << "" << "/data/env" << "/net/chosen" << true << false
                                               << "/data/env/" << Source::Environment << true;
        QTest::newRow("choice beats program folder") << "" << "" << "/net/chosen" << true << false
                                                     << "/net/chosen/" << Source::Chosen << false;
        QTest::newRow("writable program folder") << "" << "" << "" << true << false << "/opt/v/bin/"
                                                 << Source::ExecutableFolder << true;
        QTest::newRow("read-only program folder") << "" << "" << "" << false << false
                                                  << "/home/u/.local/share/Vestrano/" << Source::PerUser << true;
        QTest::newRow("installed, even if writable") << "" << "" << "" << true << true
                                                     << "/home/u/.local/share/Vestrano/" << Source::PerUser << true;
    }
    void resolve_order() {
        QFETCH(QString, option);
        QFETCH(QString, environment);
        QFETCH(QString, chosen);
        QFETCH(bool, executableWritable);
        QFETCH(bool, installed);
        data_folder::Facts facts;
        facts.option = option;
        facts.environment = environment;
        facts.chosen = chosen;
        facts.executableFolder = QStringLiteral("/opt/v/bin");
        facts.executableFolderWritable = executableWritable;
        facts.installed = installed;
        facts.perUser = QStringLiteral("/home/u/.local/share/Vestrano");
        const data_folder::Resolved resolved = data_folder::resolve(facts);
        QTEST(resolved.dir, "expected");
        QTEST(resolved.source, "source");
        QTEST(resolved.mayCreate, "mayCreate");
    }

    void resolve_relativeOptionMadeAbsolute() {
        data_folder::Facts facts;
        facts.option = QStringLiteral("dati");
        QCOMPARE(data_folder::resolve(facts).dir, QDir::current().absoluteFilePath(QStringLiteral("dati")) + u'/');
    }

    void gather_readsVariableAndRememberedChoice() {
        QTemporaryDir temp;
        const QString settings = temp.filePath(QStringLiteral("vestrano.ini"));
        QVERIFY(data_folder::remember(settings, temp.filePath(QStringLiteral("shared"))));
        qputenv("VESTRANO_DATA_DIR", "/data/env");
        const data_folder::Facts facts = data_folder::gather(QString(), settings);
        qunsetenv("VESTRANO_DATA_DIR");
        QCOMPARE(facts.environment, QStringLiteral("/data/env"));
        QCOMPARE(facts.chosen, temp.filePath(QStringLiteral("shared")));
        QVERIFY(data_folder::gather(QString(), QString()).chosen.isEmpty());
        QVERIFY(data_folder::gather(QString(), settings).environment.isEmpty());
    }

    void installedCopy_foundBesideBin() {
        QTemporaryDir temp;
        QDir root(temp.path());
        root.mkpath(QStringLiteral("usr/bin"));
        QVERIFY(data_folder::installedDir(root.filePath(QStringLiteral("usr/bin"))).isEmpty());
        QCOMPARE(data_folder::deliveredDir(root.filePath(QStringLiteral("usr/bin"))),
                 root.filePath(QStringLiteral("usr/bin")) + u'/');
        root.mkpath(QStringLiteral("usr/share/vestrano"));
        const QString shared = QDir(root.filePath(QStringLiteral("usr/share/vestrano"))).canonicalPath() + u'/';
        QCOMPARE(data_folder::installedDir(root.filePath(QStringLiteral("usr/bin"))), shared);
        QCOMPARE(data_folder::deliveredDir(root.filePath(QStringLiteral("usr/bin"))), shared);
    }

    void seed_copiesOnlyWhenMissing() {
        QTemporaryDir temp;
        const QString delivered = temp.filePath(QStringLiteral("share/"));
        const QString data = temp.filePath(QStringLiteral("data/"));
        QDir().mkpath(delivered);
        QDir().mkpath(data);
        fixtures::writeFile(delivered + kStore, kDelivered);

        QVERIFY(data_folder::seed(data, delivered, kStore));
        QCOMPARE(contentOf(data + kStore), kDelivered);

        // A password the user changed survives every later start.
        const QByteArray changed = QByteArrayLiteral("[Accesso]\r\nValore=57\r\n");
        fixtures::writeFile(data + kStore, changed);
        QVERIFY(data_folder::seed(data, delivered, kStore));
        QCOMPARE(contentOf(data + kStore), changed);

        // Nothing delivered: nothing to do, and nothing made up.
        const QString other = temp.filePath(QStringLiteral("other/"));
        QDir().mkpath(other);
        QVERIFY(data_folder::seed(other, temp.filePath(QStringLiteral("none/")), kStore));
        QVERIFY(!QFile::exists(other + kStore));
    }

    void seed_failedCopyReported() {
        QTemporaryDir temp;
        const QString delivered = temp.filePath(QStringLiteral("share/"));
        QDir().mkpath(delivered);
        fixtures::writeFile(delivered + kStore, kDelivered);
        QString error;
        QVERIFY(!data_folder::seed(temp.filePath(QStringLiteral("gone/")), delivered, kStore, &error));
        QVERIFY(!error.isEmpty());
    }

    void deliveredFile_dataFolderCopyFirst() {
        QTemporaryDir temp;
        const QString data = temp.filePath(QStringLiteral("data/"));
        const QString delivered = temp.filePath(QStringLiteral("share/"));
        QDir().mkpath(data);
        QDir().mkpath(delivered);
        const QString guide = QStringLiteral("Guida.pdf");
        QCOMPARE(data_folder::deliveredFile(data, delivered, guide), data + guide);
        fixtures::writeFile(delivered + guide, "%PDF");
        QCOMPARE(data_folder::deliveredFile(data, delivered, guide), delivered + guide);
        fixtures::writeFile(data + guide, "%PDF");
        QCOMPARE(data_folder::deliveredFile(data, delivered, guide), data + guide);
        QCOMPARE(data_folder::deliveredFile(data, QString(), guide), data + guide);
    }

    void problemWith_data() {
        QTest::addColumn<QString>("relative"); // inside a temporary folder; "" is the folder itself
        QTest::addColumn<QString>("message");  // %1: the path
        QTest::newRow("usable") << "" << "";
        QTest::newRow("missing") << "non_montata"
                                 << "Attenzione: la cartella %1 non esiste o non è raggiungibile.";
        QTest::newRow("a file") << "file.txt" << "Attenzione: %1 non è una cartella.";
    }
    void problemWith() {
        QFETCH(QString, relative);
        QFETCH(QString, message);
        QTemporaryDir temp;
        fixtures::writeFile(temp.filePath(QStringLiteral("file.txt")), "x");
        const QString dir = relative.isEmpty() ? temp.path() : temp.filePath(relative);
        QCOMPARE(data_folder::problemWith(dir), message.isEmpty() ? QString() : message.arg(dir));
        QCOMPARE(QDir(temp.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                 QStringList{QStringLiteral("file.txt")}); // the write probe leaves nothing behind
    }

    void problemWith_folderThatRefusesFiles() {
        // The tests run as root, whom permission bits never stop; /proc refuses new files anyway.
        if (!QFileInfo(QStringLiteral("/proc")).isDir())
            QSKIP("no /proc here");
        QCOMPARE(data_folder::problemWith(QStringLiteral("/proc")),
                 QStringLiteral("Attenzione: non è possibile scrivere nella cartella /proc.\n\r\n\r"
                                "Accertarsi di possedere i privilegi di scrittura nella cartella."));
    }
};

VESTRANO_TEST(DataFolderTest)
#include "data_folder_test.moc"
