#include "support/app_harness.h"
#include "support/record_fixtures.h"
#include "support/test_registry.h"

#include "backup/backup_folder.h"
#include "backup/backup_job.h"
#include "backup/backup_runner.h"
#include "backup/backup_screen.h"

#include <QDir>
#include <QLabel>
#include <QProgressBar>
#include <QSignalSpy>
#include <QTableView>

namespace {

const QDateTime kNow(QDate(2026, 3, 14), QTime(9, 30, 0));

void login(AppHarness& app) {
    auto* field = app.control<QLineEdit>(QStringLiteral("frmPassword"), QStringLiteral("txtPassword"));
    AppHarness::type(field, QStringLiteral("bicchierelungo"));
    AppHarness::press(field, Qt::Key_Return);
}

} // namespace

class BackupScreenTest : public QObject {
    Q_OBJECT
private slots:
    void afterThePassword_backupWhenDue_warningWhenOld_data() {
        QTest::addColumn<int>("hoursSinceNewest"); // -1: no backup yet
        QTest::addColumn<bool>("backupRuns");
        QTest::addColumn<QString>("warning");
        QTest::newRow("first run") << -1 << true << "";
        QTest::newRow("an hour ago") << 1 << false << "";
        QTest::newRow("a day ago") << 24 << true << "";
        QTest::newRow("eight days ago")
            << 8 * 24 << true
            << "Attenzione: l'ultimo backup dei dati risale al 06/03/2026, 8 giorni fa.\n\r\n\r"
               "Un nuovo backup viene eseguito ora nella cartella Backup.";
    }
    void afterThePassword_backupWhenDue_warningWhenOld() {
        QFETCH(int, hoursSinceNewest);
        QFETCH(bool, backupRuns);
        QFETCH(QString, warning);
        AppHarness app;
        app.writeDeliveredPasswordStore();
        app.clock().set(kNow);
        if (hoursSinceNewest >= 0)
            QVERIFY(backup::takeBackup(app.dir(), kNow.addSecs(-3600 * hoursSinceNewest)).ok);
        const int before = backup::listIn(app.dir()).size();
        app.start();
        BackupRunner& runner = app.program().backups();
        QSignalSpy started(&runner, &BackupRunner::started);
        login(app);

        QCOMPARE(app.visibleScreens(), QStringList{QStringLiteral("frmAvvio")});
        QCOMPARE(started.size(), backupRuns ? 1 : 0);
        if (backupRuns) {
            QVERIFY(app.control(QStringLiteral("frmAvvio"), QStringLiteral("barBackup"))->isVisible());
            runner.waitForEnd();
            QVERIFY(!app.control(QStringLiteral("frmAvvio"), QStringLiteral("barBackup"))->isVisible());
        }
        QCOMPARE(backup::listIn(app.dir()).size(), before + (backupRuns ? 1 : 0));
        QCOMPARE(app.dialogs().texts(), warning.isEmpty() ? QStringList() : QStringList{warning});
    }

    void automaticBackupThatFails_tellsWhy() {
        AppHarness app;
        app.writeDeliveredPasswordStore();
        fixtures::writeFile(app.path(QStringLiteral("Backup")), "a file where the folder goes");
        app.start();
        login(app);
        app.program().backups().waitForEnd();
        QCOMPARE(app.dialogs().prompts().size(), 1);
        QCOMPARE(app.dialogs().prompts().first().kind, QStringLiteral("error"));
        QCOMPARE(app.dialogs().prompts().first().text,
                 QStringLiteral("Il backup automatico dei dati non è riuscito: impossibile creare la cartella %1.\n\r\n\r"
                                "I backup precedenti non sono stati modificati.")
                     .arg(QDir::toNativeSeparators(app.path(QStringLiteral("Backup")))));
    }

    void screen_listsBackups_backsUpNow_andRestores() {
        AppHarness app;
        app.writeDeliveredPasswordStore();
        app.clock().set(kNow);
        fixtures::writeVehicles(app.dir(), {fixtures::vehicle(QStringLiteral("A")), fixtures::vehicle(QStringLiteral("B"))});
        fixtures::writeFile(app.path(QStringLiteral("2026.eur")), QByteArray(3 * 1627, ' '));
        const backup::Outcome first = backup::takeBackup(app.dir(), kNow.addDays(-1));
        QVERIFY(first.ok);
        const QByteArray cardsThen = fixtures::readFile(app.path(QStringLiteral("Parco_Automezzi.pro")));
        fixtures::writeVehicles(app.dir(), {fixtures::vehicle(QStringLiteral("C"))});

        app.startAtMainMenu();
        AppHarness::click(app.control(QStringLiteral("frmAvvio"), QStringLiteral("btnBackup")));
        auto* screen = qobject_cast<BackupScreen*>(app.screen(QStringLiteral("frmBackup")));
        QVERIFY(screen);
        QTRY_VERIFY(!screen->isLoading());
        auto* grid = screen->findChild<QTableView*>(QStringLiteral("grdBackup"));
        QCOMPARE(grid->model()->rowCount(), 1);
        QCOMPARE(grid->model()->index(0, 0).data().toString(), QStringLiteral("13/03/2026 09:30:00"));
        QCOMPARE(grid->model()->index(0, 2).data().toString(), QStringLiteral("2"));
        QCOMPARE(grid->model()->index(0, 3).data().toString(), QStringLiteral("2026: 3"));

        AppHarness::click(screen->findChild<QWidget*>(QStringLiteral("cmdBackup")));
        app.program().backups().waitForEnd();
        QCOMPARE(app.dialogs().texts(), QStringList{QStringLiteral("Backup eseguito: Vestrano_2026-03-14_093000.zip")});
        QTRY_COMPARE(grid->model()->rowCount(), 2);
        QCOMPARE(grid->model()->index(0, 2).data().toString(), QStringLiteral("1"));

        // Restore the older one, after saying yes.
        app.dialogs().clear();
        auto* restore = screen->findChild<QWidget*>(QStringLiteral("cmdRipristina"));
        QVERIFY(!restore->isEnabled());
        grid->selectRow(1);
        QVERIFY(restore->isEnabled());
        app.dialogs().queue(false);
        AppHarness::click(restore);
        QVERIFY(!app.program().backups().isRunning());
        app.dialogs().queue(true);
        AppHarness::click(restore);
        app.program().backups().waitForEnd();
        const QStringList texts = app.dialogs().texts();
        QCOMPARE(texts.size(), 3);
        QCOMPARE(texts[0], QStringLiteral("Ripristinare i dati com'erano al backup del 13/03/2026 09:30:00?\r\n\r\n"
                                          "Prima del ripristino viene fatto un backup dei dati attuali. Le altre copie "
                                          "del programma che usano questa cartella dei dati devono essere chiuse."));
        QCOMPARE(texts[2], QStringLiteral("Ripristino completato.\n\r\n\rI dati di prima del ripristino sono nel "
                                          "backup Vestrano_2026-03-14_093001.zip."));
        QCOMPARE(fixtures::readFile(app.path(QStringLiteral("Parco_Automezzi.pro"))), cardsThen);
        QTRY_COMPARE(grid->model()->rowCount(), 3);
    }
};

VESTRANO_TEST(BackupScreenTest)
#include "backup_screen_test.moc"
