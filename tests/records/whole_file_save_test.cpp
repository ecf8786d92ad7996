#include "support/file_size_limit.h"
#include "support/test_registry.h"

#include "records/whole_file_save.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

QByteArray readFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

} // namespace

class WholeFileSaveTest : public QObject {
    Q_OBJECT
private slots:
    void save_replacesTheFileAndLeavesNoTemporary() {
        QTemporaryDir dir;
        const QString path = dir.filePath("a.bin");
        writeFile(path, "old");
        QString error;
        QVERIFY(saveWholeFile(path, QByteArray("new content"), &error));
        QCOMPARE(readFile(path), QByteArray("new content"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), QStringList{"a.bin"});
    }

    // A full disk after part of the content: the old file stays as it was and the caller knows.
    void diskFull_keepsThePreviousFileByteIdentical_data() {
        QTest::addColumn<bool>("copy");
        QTest::newRow("save") << false;
        QTest::newRow("copy") << true;
    }
    void diskFull_keepsThePreviousFileByteIdentical() {
        QFETCH(bool, copy);
        QTemporaryDir dir;
        const QString path = dir.filePath("photo.jpg");
        const QByteArray old(1000, 'o');
        writeFile(path, old);
        const QByteArray big(300000, 'n');
        const QString source = dir.filePath("source.bin");
        writeFile(source, big);
        QString error;
        bool saved;
        {
            FileSizeLimit full(100000);
            saved = copy ? copyWholeFile(source, path, &error) : saveWholeFile(path, big, &error);
        }
        QVERIFY(!saved);
        QVERIFY(!error.isEmpty());
        QCOMPARE(readFile(path), old);
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 2);
    }

    void writerFailure_keepsThePreviousFile() {
        QTemporaryDir dir;
        const QString path = dir.filePath("a.xls");
        writeFile(path, "old");
        QString error;
        QVERIFY(!saveWholeFile(
            path,
            [](QIODevice& out, QString& why) {
                out.write("partial");
                why = "sorgente illeggibile";
                return false;
            },
            &error));
        QCOMPARE(error, QString("sorgente illeggibile"));
        QCOMPARE(readFile(path), QByteArray("old"));
    }

    void targetThatIsAFolderOrInAMissingFolder_isRefused_data() {
        QTest::addColumn<QString>("relative");
        QTest::newRow("folder") << "sub";
        QTest::newRow("missing folder") << "nowhere/a.bin";
    }
    void targetThatIsAFolderOrInAMissingFolder_isRefused() {
        QFETCH(QString, relative);
        QTemporaryDir dir;
        QDir(dir.path()).mkdir("sub");
        QString error;
        QVERIFY(!saveWholeFile(dir.filePath(relative), QByteArray("x"), &error));
        QVERIFY(!error.isEmpty());
        QVERIFY(QFileInfo(dir.filePath("sub")).isDir());
    }

    void copy_streamsAndRefusesWhatIsNotAFile() {
        QTemporaryDir dir;
        const QByteArray content(3 * 1024 * 1024 + 17, 'c');
        writeFile(dir.filePath("in"), content);
        QVERIFY(copyWholeFile(dir.filePath("in"), dir.filePath("out")));
        QCOMPARE(readFile(dir.filePath("out")), content);
        QVERIFY(copyWholeFile(dir.filePath("out"), dir.filePath("out"))); // onto itself: untouched
        QCOMPARE(readFile(dir.filePath("out")), content);
        QString error;
        QVERIFY(!copyWholeFile(dir.path(), dir.filePath("x"), &error));
        QVERIFY(!QFile::exists(dir.filePath("x")));
    }
};

VESTRANO_TEST(WholeFileSaveTest)
#include "whole_file_save_test.moc"
