#include "support/app_harness.h"
#include "support/file_size_limit.h"
#include "support/test_registry.h"

#include "vehicles/attachment_files.h"
#include "vehicles/attachments_dialog.h"

#include <QDir>
#include <QLabel>
#include <QPushButton>

namespace {

const QString kCard = QStringLiteral("frmAutoparco");
const QString kAttach = QStringLiteral("frmAllegaCartella");
const QString kOverwrite = QStringLiteral(
    "Attenzione: nella cartella dei documenti allegati è presente un file con lo stesso nome.\r\n\r\nSi vuole "
    "sovrascrivere il file esistente?");

QLabel* cardLabel(AppHarness& app, const QString& name) {
    return app.control<QLabel>(kCard, name);
}
QLineEdit* slot(AppHarness& app, const QString& name) {
    return app.control<QLineEdit>(kAttach, name);
}
void openAttachments(AppHarness& app) {
    AppHarness::click(app.control(kCard, QStringLiteral("cmdFile")));
    QVERIFY(app.screen(kAttach));
}
QString attached(AppHarness& app, const QString& name) {
    return attachment_files::folderIn(app.dir()) + u'/' + name;
}
// A document outside the program folder, as the user would pick it.
QString document(AppHarness& app, const QString& name, const QByteArray& content) {
    QDir(app.dir()).mkpath(QStringLiteral("../scelti"));
    const QString path = app.dir() + QStringLiteral("../scelti/") + name;
    fixtures::writeFile(path, content);
    return path;
}

} // namespace

class AttachmentsTest : public QObject {
    Q_OBJECT
private slots:
    void bareName_keepsNamesInsideTheFolder_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("bare");
        QTest::newRow("plain") << "libretto.pdf" << "libretto.pdf";
        QTest::newRow("blanks around") << "  libretto.pdf \t" << "libretto.pdf";
        QTest::newRow("parent folder") << "../segreto.txt" << "segreto.txt";
        QTest::newRow("deep climb") << "a/../../../etc/passwd" << "passwd";
        QTest::newRow("backslashes") << "..\\..\\dati.pro" << "dati.pro";
        QTest::newRow("absolute") << "/tmp/x.doc" << "x.doc";
        QTest::newRow("dots only") << ".." << "";
        QTest::newRow("folder only") << "cartella/" << "";
        QTest::newRow("blank") << "   " << "";
    }
    void bareName_keepsNamesInsideTheFolder() {
        QFETCH(QString, stored);
        QFETCH(QString, bare);
        QCOMPARE(attachment_files::bareName(stored), bare);
        const QString path = attachment_files::pathFor(QStringLiteral("/prog/"), stored);
        QCOMPARE(path, bare.isEmpty() ? QString() : QStringLiteral("/prog/Documenti_Allegati/") + bare);
    }

    void slots_travelBothWaysTrimmed() {
        AppHarness app;
        app.openArea(kCard);
        cardLabel(app, QStringLiteral("lblFile01"))->setText(QStringLiteral("  libretto.pdf "));
        cardLabel(app, QStringLiteral("lblDesc01"))->setText(QStringLiteral(" Libretto di circolazione "));
        cardLabel(app, QStringLiteral("lblDesc03"))->setText(QStringLiteral("Solo descrizione"));
        openAttachments(app);
        QWidget* screen = app.screen(kAttach);
        QCOMPARE(screen->windowTitle(), QStringLiteral(" Allega file"));
        QCOMPARE(screen->size(), QSize(634, 534));
        QCOMPARE(app.control<QLabel>(kAttach, QStringLiteral("lblMemory"))->text(), QStringLiteral("autoparco"));
        QCOMPARE(slot(app, QStringLiteral("txtFile01"))->text(), QStringLiteral("libretto.pdf"));
        QCOMPARE(slot(app, QStringLiteral("txtDesc01"))->text(), QStringLiteral("Libretto di circolazione"));
        QCOMPARE(slot(app, QStringLiteral("txtDesc03"))->text(), QStringLiteral("Solo descrizione"));
        QVERIFY(app.control(kAttach, QStringLiteral("btnApri01"))->isEnabled());
        QVERIFY(!app.control(kAttach, QStringLiteral("btnApri02"))->isEnabled());
        QVERIFY(!app.control(kAttach, QStringLiteral("btnApri03"))->isEnabled());

        slot(app, QStringLiteral("txtDesc02"))->setText(QStringLiteral("  Polizza  "));
        AppHarness::click(app.control(kAttach, QStringLiteral("btnApplica")));
        QVERIFY(!app.screen(kAttach));
        QCOMPARE(cardLabel(app, QStringLiteral("lblFile01"))->text(), QStringLiteral("libretto.pdf"));
        QCOMPARE(cardLabel(app, QStringLiteral("lblDesc01"))->text(), QStringLiteral("Libretto di circolazione"));
        QCOMPARE(cardLabel(app, QStringLiteral("lblDesc02"))->text(), QStringLiteral("Polizza"));
        QCOMPARE(cardLabel(app, QStringLiteral("lblFile02"))->text(), QString());
    }

    void clearingSlot2ThenApplying_keepsItsDescription() {
        AppHarness app;
        app.openArea(kCard);
        cardLabel(app, QStringLiteral("lblFile02"))->setText(QStringLiteral("polizza.pdf"));
        cardLabel(app, QStringLiteral("lblDesc02"))->setText(QStringLiteral("Polizza"));
        openAttachments(app);
        AppHarness::click(app.control(kAttach, QStringLiteral("imgCancella02")));
        QCOMPARE(slot(app, QStringLiteral("txtFile02"))->text(), QString());
        QVERIFY(!app.control(kAttach, QStringLiteral("btnApri02"))->isEnabled());
        AppHarness::click(app.control(kAttach, QStringLiteral("btnApplica")));
        QCOMPARE(cardLabel(app, QStringLiteral("lblFile02"))->text(), QString());
        QCOMPARE(cardLabel(app, QStringLiteral("lblDesc02"))->text(), QStringLiteral("Polizza"));
    }

    void browseThenCancel_copiesTheFileButLeavesTheCard() {
        AppHarness app;
        app.openArea(kCard);
        const QString source = document(app, QStringLiteral("fattura.pdf"), "PDF-1");
        openAttachments(app);
        app.dialogs().queue(source);
        AppHarness::click(app.control(kAttach, QStringLiteral("btnSfoglia03")));
        const Prompt pick = app.dialogs().prompts().at(0);
        QCOMPARE(pick.kind, QStringLiteral("open"));
        QCOMPARE(pick.text, QStringLiteral("Selezionare il file da allegare:"));
        QCOMPARE(slot(app, QStringLiteral("txtFile03"))->text(), QStringLiteral("fattura.pdf"));
        QVERIFY(app.control(kAttach, QStringLiteral("btnApri03"))->isEnabled());
        QCOMPARE(fixtures::readFile(attached(app, QStringLiteral("fattura.pdf"))), QByteArray("PDF-1"));
        AppHarness::click(app.control(kAttach, QStringLiteral("btnAnnulla")));
        QVERIFY(!app.screen(kAttach));
        QCOMPARE(cardLabel(app, QStringLiteral("lblFile03"))->text(), QString());
        QVERIFY(QFile::exists(attached(app, QStringLiteral("fattura.pdf"))));
    }

    void cancellingTheFileDialog_changesNothing() {
        AppHarness app;
        app.openArea(kCard);
        cardLabel(app, QStringLiteral("lblFile01"))->setText(QStringLiteral("libretto.pdf"));
        openAttachments(app);
        app.dialogs().queue(QVariant());
        AppHarness::click(app.control(kAttach, QStringLiteral("btnSfoglia01")));
        QCOMPARE(slot(app, QStringLiteral("txtFile01"))->text(), QStringLiteral("libretto.pdf"));
        QVERIFY(!QFileInfo::exists(attachment_files::folderIn(app.dir())));
    }

    void sameNameInTheFolder_asksBeforeOverwriting_data() {
        QTest::addColumn<bool>("answer");
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("yes replaces") << true << QByteArray("nuovo");
        QTest::newRow("no keeps") << false << QByteArray("vecchio");
    }
    void sameNameInTheFolder_asksBeforeOverwriting() {
        QFETCH(bool, answer);
        QFETCH(QByteArray, content);
        AppHarness app;
        app.openArea(kCard);
        QDir(app.dir()).mkpath(QStringLiteral("Documenti_Allegati"));
        fixtures::writeFile(attached(app, QStringLiteral("libretto.pdf")), "vecchio");
        const QString source = document(app, QStringLiteral("libretto.pdf"), "nuovo");
        openAttachments(app);
        app.dialogs().queue(source);
        app.dialogs().queue(answer);
        AppHarness::click(app.control(kAttach, QStringLiteral("btnSfoglia02")));
        QCOMPARE(app.dialogs().prompts().size(), 2);
        QCOMPARE(app.dialogs().prompts().at(1).kind, QStringLiteral("question"));
        QCOMPARE(app.dialogs().prompts().at(1).text, kOverwrite);
        QCOMPARE(fixtures::readFile(attached(app, QStringLiteral("libretto.pdf"))), content);
        QCOMPARE(slot(app, QStringLiteral("txtFile02"))->text(), QStringLiteral("libretto.pdf"));
    }

    void open_handsTheQuotedPathToTheShell() {
        AppHarness app;
        app.openArea(kCard);
        cardLabel(app, QStringLiteral("lblFile01"))->setText(QStringLiteral("libretto.pdf"));
        cardLabel(app, QStringLiteral("lblFile02"))->setText(QStringLiteral("../../segreto.txt"));
        cardLabel(app, QStringLiteral("lblFile03"))->setText(QStringLiteral(".."));
        openAttachments(app);
        AppHarness::click(app.control(kAttach, QStringLiteral("btnApri01")));
        AppHarness::click(app.control(kAttach, QStringLiteral("btnApri02")));
        AppHarness::click(app.control(kAttach, QStringLiteral("btnApri03"))); // nothing to open
        QCOMPARE(app.shell().targets,
                 (QStringList{u'"' + attached(app, QStringLiteral("libretto.pdf")) + u'"',
                              u'"' + attached(app, QStringLiteral("segreto.txt")) + u'"'}));
    }

    void copyThatFails_isToldAndChangesNothing_data() {
        QTest::addColumn<bool>("diskFull");
        QTest::newRow("a file where the folder should be") << false;
        QTest::newRow("disk full over a shared document") << true;
    }
    void copyThatFails_isToldAndChangesNothing() {
        QFETCH(bool, diskFull);
        AppHarness app;
        app.openArea(kCard);
        const QByteArray blocker("un file al posto della cartella");
        if (diskFull) {
            QDir(app.dir()).mkpath(QStringLiteral("Documenti_Allegati"));
            fixtures::writeFile(attached(app, QStringLiteral("libretto.pdf")), "documento di un'altra scheda");
        } else {
            fixtures::writeFile(app.path(QStringLiteral("Documenti_Allegati")), blocker);
        }
        const QString source = document(app, QStringLiteral("libretto.pdf"), QByteArray(20000, 'n'));
        cardLabel(app, QStringLiteral("lblFile01"))->setText(QStringLiteral("polizza.pdf"));
        openAttachments(app);
        app.dialogs().queue(source);
        if (diskFull)
            app.dialogs().queue(true); // overwrite
        {
            const FileSizeLimit limit(diskFull ? 4000 : RLIM_INFINITY);
            AppHarness::click(app.control(kAttach, QStringLiteral("btnSfoglia01")));
        }
        const Prompt told = app.dialogs().prompts().last();
        QCOMPARE(told.kind, QStringLiteral("error"));
        QVERIFY2(told.text.startsWith(QStringLiteral(
                     "Impossibile copiare il file \"libretto.pdf\" nella cartella dei documenti allegati:\n")),
                 qPrintable(told.text));
        QCOMPARE(slot(app, QStringLiteral("txtFile01"))->text(), QStringLiteral("polizza.pdf"));
        if (diskFull) {
            QCOMPARE(fixtures::readFile(attached(app, QStringLiteral("libretto.pdf"))),
                     QByteArray("documento di un'altra scheda"));
            QCOMPARE(QDir(attachment_files::folderIn(app.dir())).entryList(QDir::Files),
                     QStringList{QStringLiteral("libretto.pdf")});
        } else {
            QCOMPARE(fixtures::readFile(app.path(QStringLiteral("Documenti_Allegati"))), blocker);
        }
    }

    void nameTheCardCannotHold_isRefusedAndNothingCopied_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("message");
        const QString characters = QStringLiteral(
            "Impossibile allegare il file \"%1\": il nome contiene caratteri che la scheda del veicolo non può "
            "registrare.\n\nRinominare il file e riprovare.");
        const QString tooLong = QStringLiteral(
            "Impossibile allegare il file \"%1\": il nome supera i 250 caratteri che la scheda del veicolo può "
            "registrare.\n\nRinominare il file e riprovare.");
        const QString cyrillic = QStringLiteral("Документ.pdf");
        const QString backslash = QStringLiteral("verbale\\incidente.pdf");
        const QString long251 = QString(247, u'a') + QStringLiteral(".pdf");
        QTest::newRow("outside Windows-1252") << cyrillic << characters.arg(cyrillic);
        QTest::newRow("a backslash, read back as a folder") << backslash << characters.arg(backslash);
        QTest::newRow("251 characters") << long251 << tooLong.arg(long251);
        QTest::newRow("250 characters with accents and euro fit")
            << QString(241, u'a') + QStringLiteral("è€ 10.pdf") << QString();
    }
    void nameTheCardCannotHold_isRefusedAndNothingCopied() {
        QFETCH(QString, name);
        QFETCH(QString, message);
        AppHarness app;
        app.openArea(kCard);
        const QString source = document(app, name, "contenuto");
        openAttachments(app);
        app.dialogs().queue(source);
        AppHarness::click(app.control(kAttach, QStringLiteral("btnSfoglia02")));
        if (message.isEmpty()) {
            QCOMPARE(app.dialogs().prompts().size(), 1);
            QCOMPARE(slot(app, QStringLiteral("txtFile02"))->text(), name);
            QCOMPARE(fixtures::readFile(attached(app, name)), QByteArray("contenuto"));
            return;
        }
        QCOMPARE(app.dialogs().prompts().size(), 2);
        QCOMPARE(app.dialogs().prompts().at(1).kind, QStringLiteral("warning"));
        QCOMPARE(app.dialogs().prompts().at(1).text, message);
        QCOMPARE(slot(app, QStringLiteral("txtFile02"))->text(), QString());
        QVERIFY(QDir(attachment_files::folderIn(app.dir())).isEmpty());
    }

    // Opened by a screen that takes no slots back: "Applica e chiudi" leaves everything.
    void applyWithoutATaker_doesNothing() {
        AppHarness app;
        app.openArea(kCard);
        (new AttachmentsDialog(app.context(), app.screen(kCard), QStringLiteral("costi"), {}, {}))->present();
        slot(app, QStringLiteral("txtDesc01"))->setText(QStringLiteral("x"));
        AppHarness::click(app.control(kAttach, QStringLiteral("btnApplica")));
        QVERIFY(app.screen(kAttach));
        QCOMPARE(cardLabel(app, QStringLiteral("lblDesc01"))->text(), QString());
    }

    void savedCard_storesTheAppliedSlots() {
        AppHarness app;
        app.openArea(kCard);
        for (const char* f : {"txtTipo", "txtMarca", "txtModello", "txtTarga"})
            app.control<QLineEdit>(kCard, QString::fromLatin1(f))->setText(QStringLiteral("x"));
        openAttachments(app);
        slot(app, QStringLiteral("txtDesc03"))->setText(QStringLiteral("Revisione 2026"));
        AppHarness::click(app.control(kAttach, QStringLiteral("btnApplica")));
        AppHarness::click(app.control(kCard, QStringLiteral("cmdSalva")));
        QCOMPARE(fixtures::readVehicles(app.dir()).at(0)[TSchedaVeicolo::Desc03], QStringLiteral("Revisione 2026"));
    }
};

VESTRANO_TEST(AttachmentsTest)
#include "attachments_test.moc"
