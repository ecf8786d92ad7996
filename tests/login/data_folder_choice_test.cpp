#include "support/app_harness.h"
#include "support/test_registry.h"

#include "app/data_folder.h"

#include <QDir>
#include <QLabel>
#include <QPushButton>

namespace {

const QString kLogin = QStringLiteral("frmPassword");
const QByteArray kDelivered = QByteArrayLiteral("[Accesso]\r\nValore=54FD055F4243285080D67FE73419\r\n");

// The harness's program directory, plus a delivered copy beside it as an installed program has.
struct ChoiceFixture {
    AppHarness app;
    QTemporaryDir elsewhere;
    QString originalDir;

    ChoiceFixture() {
        const QString delivered = elsewhere.filePath(QStringLiteral("share/"));
        QDir().mkpath(delivered);
        fixtures::writeFile(delivered + QStringLiteral("unins000.dll"), kDelivered);
        app.context().deliveredDir = delivered;
        originalDir = app.dir();
        app.start();
    }
    void choose(const QString& dir) {
        app.dialogs().queue(dir);
        AppHarness::click(app.control(kLogin, QStringLiteral("cmdCartellaDati")));
    }
    QString shownFolder() const {
        return app.control<QLabel>(kLogin, QStringLiteral("lblCartellaDati"))->toolTip();
    }
};

} // namespace

class DataFolderChoiceTest : public QObject {
    Q_OBJECT
private slots:
    void choice_takenSeededRememberedAndUsedForLogin() {
        ChoiceFixture f;
        QCOMPARE(f.shownFolder(), QDir::toNativeSeparators(f.originalDir));
        const QString shared = f.elsewhere.filePath(QStringLiteral("rete"));
        QDir().mkpath(shared);

        f.choose(shared);

        QCOMPARE(f.app.dialogs().prompts().size(), 1);
        QCOMPARE(f.app.dialogs().prompts().constFirst().kind, QStringLiteral("folder"));
        QCOMPARE(f.app.dialogs().prompts().constFirst().proposed, f.originalDir);
        QCOMPARE(f.app.context().programDir, shared + u'/');
        QCOMPARE(f.shownFolder(), QDir::toNativeSeparators(shared + u'/'));
        QCOMPARE(data_folder::remembered(f.app.context().settingsFile), shared);

        // The delivered password now opens the program on the chosen folder.
        auto* field = f.app.control<QLineEdit>(kLogin, QStringLiteral("txtPassword"));
        AppHarness::type(field, QStringLiteral("bicchierelungo"));
        AppHarness::press(field, Qt::Key_Return);
        QVERIFY(f.app.screen(QStringLiteral("frmAvvio"))->isVisible());
        QVERIFY(f.app.dialogs().unexpected().isEmpty());
    }

    void choice_keepsTheStoreAlreadyThere() {
        ChoiceFixture f;
        const QString shared = f.elsewhere.filePath(QStringLiteral("rete/"));
        QDir().mkpath(shared);
        const QByteArray colleagues = QByteArrayLiteral("[Accesso]\r\nValore=57\r\n");
        fixtures::writeFile(shared + QStringLiteral("unins000.dll"), colleagues);
        f.choose(shared);
        QCOMPARE(f.app.context().programDir, shared);
        QFile store(shared + QStringLiteral("unins000.dll"));
        QVERIFY(store.open(QIODevice::ReadOnly));
        QCOMPARE(store.readAll(), colleagues);
    }

    void cancelled_changesNothing() {
        ChoiceFixture f;
        f.choose(QString());
        QCOMPARE(f.app.context().programDir, f.originalDir);
        QCOMPARE(f.app.dialogs().prompts().size(), 1);
        QVERIFY(!QFile::exists(f.app.context().settingsFile));
    }

    void unusable_refusedWithItsReason_data() {
        QTest::addColumn<QString>("relative");
        QTest::addColumn<QString>("message");
        QTest::newRow("not mounted") << "non_montata"
                                     << "Attenzione: la cartella %1 non esiste o non è raggiungibile.";
        QTest::newRow("a file") << "documento.txt" << "Attenzione: %1 non è una cartella.";
    }
    void unusable_refusedWithItsReason() {
        QFETCH(QString, relative);
        QFETCH(QString, message);
        ChoiceFixture f;
        fixtures::writeFile(f.elsewhere.filePath(QStringLiteral("documento.txt")), "x");
        const QString picked = f.elsewhere.filePath(relative);
        f.choose(picked);
        QCOMPARE(f.app.dialogs().prompts().size(), 2);
        QCOMPARE(f.app.dialogs().prompts().at(1).kind, QStringLiteral("warning"));
        QCOMPARE(f.app.dialogs().prompts().at(1).text, message.arg(picked));
        QCOMPARE(f.app.context().programDir, f.originalDir);
        QCOMPARE(f.shownFolder(), QDir::toNativeSeparators(f.originalDir));
        QVERIFY(!QFile::exists(f.app.context().settingsFile));
        QVERIFY(!QFileInfo::exists(f.elsewhere.filePath(QStringLiteral("non_montata"))));
    }
};

VESTRANO_TEST(DataFolderChoiceTest)
#include "data_folder_choice_test.moc"
