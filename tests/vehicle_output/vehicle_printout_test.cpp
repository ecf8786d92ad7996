#include "support/app_harness.h"
#include "support/pdf_reader.h"
#include "support/test_registry.h"

#include "ui/picture_box.h"
#include "vehicles/vehicle_record.h"

#include <QDir>
#include <QLineEdit>
#include <QPushButton>

namespace {

using F = TSchedaVeicolo;
const QString kCard = QStringLiteral("frmAutoparco");
const QString kPrintScreen = QStringLiteral("frmStampaAutomezzo");
const QString kPreviewScreen = QStringLiteral("frmAnteprimaAutomezzo");
const QString kPrintFailed =
    QStringLiteral("Attenzione: la stampa del documento non è andata a buon fine.\n\r\n\rSi "
                   "consiglia di ridurre le dimensioni "
                   "della foto.");

// Where each field's heading strip stands on the page (mm inside the margins).
struct Place {
    F::Field field;
    double top, left, width;
    const char* label;
};
const Place kPlaces[] = {
    {F::Tipo, 100, 1, 92, "TIPO VEICOLO"},
    {F::Destinazione, 100, 95, 94, "DESTINAZIONE ED USO"},
    {F::Marca, 115, 1, 92, "MARCA"},
    {F::Modello, 115, 95, 94, "MODELLO"},
    {F::Targa, 130, 1, 48, "TARGA"},
    {F::Anno, 130, 51, 42, "IMMATRICOLAZIONE"},
    {F::Colore, 130, 95, 94, "COLORE"},
    {F::Telaio, 145, 1, 48, "TELAIO"},
    {F::Stato, 145, 51, 42, "STATO VEICOLO"},
    {F::Chilometri, 145, 95, 51, "CHILOMETRI PERCORSI"},
    {F::Lettura, 145, 148, 41, "DATA LETTURA"},
    {F::Pneumatici, 160, 1, 92, "PNEUMATICI"},
    {F::Alimentazione, 160, 95, 45, "ALIMENTAZIONE"},
    {F::Cilindrata, 160, 142, 47, "CILINDRATA"},
    {F::KW, 175, 1, 45, "kW"},
    {F::Portata, 175, 48, 45, "PORTATA MASSIMA"},
    {F::Ambiente, 175, 95, 94, "COMPATIBILITA' AMBIENTALE"},
    {F::Posti, 190, 1, 45, "NUMERO POSTI"},
    {F::Compagnia, 190, 48, 141, "COMPAGNIA ASSICURATIVA"},
    {F::TelAssicuratore, 205, 1, 45, "TEL. ASSICURATORE"},
    {F::Polizza, 205, 48, 45, "IMPORTO POLIZZA"},
    {F::Autista, 205, 95, 45, "AUTISTA"},
    {F::TelAutista, 205, 142, 47, "TEL. AUTISTA"},
    {F::Meccanico, 220, 1, 45, "MECCANICO"},
    {F::TelMeccanico, 220, 48, 45, "TEL. MECCANICO"},
    {F::ScadRevisione, 220, 95, 45, "SCADENZA REVISIONE"},
    {F::ScadTagliando, 220, 142, 47, "SCADENZA TAGLIANDO"},
    {F::ScadAssicurazione, 235, 1, 45, "SCAD. ASSICURAZIONE"},
    {F::ScadBollo, 235, 48, 45, "SCADENZA BOLLO"},
    {F::Proprietario, 235, 95, 94, "PROPRIETARIO"},
    {F::Incidenti, 250, 1, 188, "INCIDENTI SUBITI"},
    {F::Note, 265, 1, 188, "NOTE"},
};

// The words found inside a rectangle given in mm inside the 10 mm margins.
QStringList wordsIn(const QList<pdf::Word>& words, const QRectF& inside) {
    const QRectF area = inside.translated(10, 10).adjusted(-0.2, -0.2, 0.2, 0.2);
    QStringList found;
    for (const pdf::Word& w : words)
        if (area.contains(w.box))
            found << w.text;
    return found;
}

void setField(AppHarness& app, F::Field f, const QString& value) {
    app.control<QLineEdit>(kCard, F::controlName(f))->setText(value);
}

} // namespace

class VehiclePrintoutTest : public QObject {
    Q_OBJECT
private slots:
    void screens_areSetUpForTheirCommand_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("jobKind");
        QTest::newRow("print") << "cmdStampa" << kPrintScreen << " Stampa documento"
                               << "Stampa"
                               << "print";
        QTest::newRow("preview") << "cmdAnteprima" << kPreviewScreen << " Anteprima di stampa"
                                 << "Mostra anteprima"
                                 << "preview";
    }
    void screens_areSetUpForTheirCommand() {
        QFETCH(QString, command);
        QFETCH(QString, screen);
        QFETCH(QString, caption);
        QFETCH(QString, button);
        QFETCH(QString, jobKind);
        AppHarness app;
        app.openArea(kCard);
        AppHarness::click(app.control(kCard, command));
        QWidget* dialog = app.screen(screen);
        QVERIFY(dialog);
        QCOMPARE(dialog->windowTitle(), caption);
        QCOMPARE(dialog->size(), QSize(364, 287));
        QCOMPARE(app.control<QPushButton>(screen, QStringLiteral("btnStampa"))->text(), button);
        QCOMPARE(app.control<QPushButton>(screen, QStringLiteral("btnAnnulla"))->text(),
                 QStringLiteral("Annulla"));

        AppHarness::click(app.control(screen, QStringLiteral("btnStampa")));
        QCOMPARE(app.printing().jobs.size(), 1);
        QCOMPARE(app.printing().jobs[0].kind, jobKind);
        QCOMPARE(app.printing().jobs[0].title, QStringLiteral("Scheda Veicolo"));
        QCOMPARE(app.printing().jobs[0].copies, 1);
        QVERIFY(app.dialogs().prompts().isEmpty());
        QTRY_VERIFY(!app.screen(screen));
    }

    // A card typed in and never saved: every label in its strip and every value, trimmed, in its
    // box.
    void printedPage_hasEveryLabelAndValueInItsBox() {
        AppHarness app;
        app.openArea(kCard);
        for (const Place& p : kPlaces)
            setField(app, p.field,
                     QStringLiteral("  v%1 ").arg(
                         p.field)); // untrimmed, and short enough for every field
        setField(app, F::Colore, QString());
        setField(app, F::Posti,
                 QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789ABCDEFGHIJKLMN"));
        setField(app, F::Note, QStringLiteral("[DATE] [Nota] resta"));
        AppHarness::click(app.control(kCard, QStringLiteral("cmdStampa")));
        AppHarness::click(app.control(kPrintScreen, QStringLiteral("btnStampa")));
        QCOMPARE(app.printing().jobs.size(), 1);
        const QString file = app.printing().jobs[0].pdf;
        QCOMPARE(pdf::pages(file).size(), 1);
        const QList<pdf::Word> words = pdf::words(file);

        QCOMPARE(wordsIn(words, QRectF(1, 1, 188, 8)).join(u' '), QStringLiteral("SCHEDA VEICOLO"));
        for (const Place& p : kPlaces) {
            const QString label = QString::fromLatin1(p.label);
            QCOMPARE(wordsIn(words, QRectF(p.left, p.top, p.width, 4.8)).join(u' '), label);
            const QStringList value = wordsIn(words, QRectF(p.left, p.top + 5, p.width, 6));
            if (p.field == F::Colore) {
                QVERIFY(value.isEmpty()); // an empty box, its heading printed all the same
            } else if (p.field == F::Posti) {
                QCOMPARE(value.size(), 1); // cut at the box's edge
                QVERIFY2(value[0].size() > 15 && value[0].size() < 35, qPrintable(value[0]));
                QVERIFY(
                    QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789").startsWith(value[0]));
            } else if (p.field == F::Note) {
                QCOMPARE(value.join(u' '), QStringLiteral("[DATE] [Nota] resta"));
            } else {
                QCOMPARE(value.join(u' '), QStringLiteral("v%1").arg(p.field));
            }
        }
        // The cut value's glyphs stop at the box's right edge, give or take the one it runs
        // through.
        for (const pdf::Word& w : words)
            if (w.text.startsWith(QStringLiteral("ABCDEF")))
                QVERIFY(w.box.right() <= 10 + 46 + 2);
    }

    void photo_comesFromTheCardOrTheFallback() {
        AppHarness app;
        app.openArea(kCard);
        auto* photo = app.control<PictureBox>(kCard, QStringLiteral("imgFoto"));
        const QImage placeholder = photo->picture();
        QVERIFY(!placeholder.isNull());

        AppHarness::click(app.control(kCard, QStringLiteral("cmdAnteprima")));
        QCOMPARE(app.control<PictureBox>(kPreviewScreen, QStringLiteral("imgLogo"))->picture(),
                 placeholder);
        AppHarness::click(app.control(kPreviewScreen, QStringLiteral("btnAnnulla")));
        QTRY_VERIFY(!app.screen(kPreviewScreen));
        QVERIFY(app.printing().jobs.isEmpty());

        photo->setPicture(QImage());
        AppHarness::click(app.control(kCard, QStringLiteral("cmdStampa")));
        const QImage logo =
            app.control<PictureBox>(kPrintScreen, QStringLiteral("imgLogo"))->picture();
        QVERIFY(!logo.isNull());
        QCOMPARE(logo, app.control<PictureBox>(kPrintScreen, QStringLiteral("imgTemp"))->picture());
    }

    // A photo far larger than the page still prints, reduced into its box.
    void hugePhoto_printsScaled() {
        AppHarness app;
        app.openArea(kCard);
        QImage big(6000, 4000, QImage::Format_RGB32);
        big.fill(Qt::darkGreen);
        app.control<PictureBox>(kCard, QStringLiteral("imgFoto"))->setPicture(big);
        AppHarness::click(app.control(kCard, QStringLiteral("cmdStampa")));
        AppHarness::click(app.control(kPrintScreen, QStringLiteral("btnStampa")));
        QVERIFY(app.dialogs().prompts().isEmpty());
        QFileInfo pdfFile(app.printing().jobs.at(0).pdf);
        QVERIFY(pdfFile.exists());
        QVERIFY2(pdfFile.size() < 4'000'000, qPrintable(QString::number(pdfFile.size())));
    }

    void cancelInPrintDialog_endsTheCommandAndCloses() {
        AppHarness app;
        app.openArea(kCard);
        app.printing().printAnswers.enqueue(false);
        AppHarness::click(app.control(kCard, QStringLiteral("cmdStampa")));
        AppHarness::click(app.control(kPrintScreen, QStringLiteral("btnStampa")));
        QCOMPARE(app.printing().jobs.size(), 1);
        QVERIFY(app.printing().jobs[0].pdf.isEmpty());
        QVERIFY(app.dialogs().prompts().isEmpty());
        QTRY_VERIFY(!app.screen(kPrintScreen));
    }

    // The printer cannot take the document: the warning, then the screen closes; the card stays.
    void printFailure_warnsAndCloses() {
        AppHarness app;
        app.openArea(kCard);
        setField(app, F::Tipo, QStringLiteral("Autocarro"));
        QDir(app.dir()).mkpath(
            QStringLiteral("../printed/job-1.pdf")); // where the document would go
        AppHarness::click(app.control(kCard, QStringLiteral("cmdStampa")));
        AppHarness::click(app.control(kPrintScreen, QStringLiteral("btnStampa")));
        QCOMPARE(app.dialogs().prompts().size(), 1);
        QCOMPARE(app.dialogs().prompts()[0].kind, QStringLiteral("warning"));
        QCOMPARE(app.dialogs().prompts()[0].text, kPrintFailed);
        QTRY_VERIFY(!app.screen(kPrintScreen));
        QCOMPARE(app.control<QLineEdit>(kCard, QStringLiteral("txtTipo"))->text(),
                 QStringLiteral("Autocarro"));
    }
};

VESTRANO_TEST(VehiclePrintoutTest)
#include "vehicle_printout_test.moc"
