#include "support/app_harness.h"
#include "support/cost_fixtures.h"
#include "support/file_size_limit.h"
#include "support/test_registry.h"

#include "costs/cost_file.h"
#include "import/import_dialog.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>

namespace {

using C = TSchedaCosto;
using V = TSchedaVeicolo;
const QString kCard = QStringLiteral("frmAutoparco");
const QString kImport = QStringLiteral("frmImporta");
const QString kAccess = QStringLiteral(
    "Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\rAccertarsi di possedere i "
    "privilegi di scrittura nella cartella di installazione del programma.\n\r\n\rNessuna riga è "
    "stata importata.");

QString writeCsv(AppHarness& app, const QByteArray& bytes) {
    const QString path = app.path(QStringLiteral("import.csv"));
    fixtures::writeFile(path, bytes);
    return path;
}

// The card screen's "Importa da file..." with `csv` picked in the file dialog.
ImportDialog* importIntoCards(AppHarness& app, const QByteArray& csv) {
    app.openArea(kCard);
    app.dialogs().queue(writeCsv(app, csv));
    AppHarness::click(app.control(kCard, QStringLiteral("cmdImportaFile")));
    return qobject_cast<ImportDialog*>(app.screen(kImport));
}

QPushButton* importButton(AppHarness& app) {
    return app.control<QPushButton>(kImport, QStringLiteral("cmdImporta"));
}

QByteArray cardRows(int count) {
    QByteArray csv = "Tipo veicolo;Marca;Modello;Targa;Scad. bollo;Colonna libera\n";
    for (int i = 1; i <= count; ++i)
        csv += "Autovettura;Fiat;Panda;ab" + QByteArray::number(i) + ";31/01/2027;x\n";
    return csv;
}

} // namespace

class ImportDialogTest : public QObject {
    Q_OBJECT
private slots:
    void cards_importedAndCounted() {
        AppHarness app;
        fixtures::writeVehicles(app.dir(), {fixtures::vehicle(QStringLiteral("A"))});
        ImportDialog* dialog = importIntoCards(app, cardRows(3));
        QVERIFY(dialog);
        QCOMPARE(app.dialogs().prompts().constFirst().kind, QStringLiteral("open"));
        QCOMPARE(app.control<QComboBox>(kImport, QStringLiteral("cboColonna4"))->currentText(),
                 QStringLiteral("Targa *"));
        QCOMPARE(app.control<QComboBox>(kImport, QStringLiteral("cboColonna6"))->currentText(),
                 QStringLiteral("(non importare)"));
        QVERIFY(importButton(app)->isEnabled());
        app.dialogs().clear();
        AppHarness::click(importButton(app));
        QCOMPARE(app.dialogs().texts(),
                 QStringList{"Importazione completata: 3 schede aggiunte all'archivio dei veicoli."});
        QVERIFY(!app.screen(kImport));
        const QList<V> cards = fixtures::readVehicles(app.dir());
        QCOMPARE(cards.size(), 4);
        QCOMPARE(cards[3][V::Targa], QStringLiteral("AB3"));
        QCOMPARE(cards[3][V::ScadBollo], QStringLiteral("31/01/2027"));
        QCOMPARE(cards[3][V::Note], QString());
    }

    // The preview shows each row's problems; nothing can be imported until the user fixes the
    // column choice.
    void problems_blockImportUntilFixed() {
        AppHarness app;
        importIntoCards(app, "Tipo;Marca;Modello;Numero di targa;Costruttore\nAuto;Fiat;Panda;AB1;Fiat\n"
                             "Auto;;Punto;CD2;Lancia\n");
        QVERIFY(!importButton(app)->isEnabled());
        auto* summary = app.control<QLabel>(kImport, QStringLiteral("lblRiepilogo"));
        QCOMPARE(summary->text(), QStringLiteral("Nessuna colonna per il campo obbligatorio Targa.\n"
                                                 "Righe con problemi: 1 su 2. Nessuna riga sarà importata "
                                                 "finché ci sono problemi."));
        auto* grid = app.control<QTableView>(kImport, QStringLiteral("grdAnteprima"));
        QCOMPARE(grid->model()->index(1, 0).data().toInt(), 3);
        QCOMPARE(grid->model()->index(1, 1).data().toString(), QStringLiteral("Marca: valore obbligatorio mancante"));

        app.control<QComboBox>(kImport, QStringLiteral("cboColonna4"))->setCurrentText(QStringLiteral("Targa *"));
        QCOMPARE(summary->text(), QStringLiteral("Righe con problemi: 1 su 2. Nessuna riga sarà importata "
                                                 "finché ci sono problemi."));
        QVERIFY(!importButton(app)->isEnabled());
        app.control<QComboBox>(kImport, QStringLiteral("cboColonna2"))->setCurrentText(QStringLiteral("(non importare)"));
        app.control<QComboBox>(kImport, QStringLiteral("cboColonna5"))->setCurrentText(QStringLiteral("Marca *"));
        QVERIFY(importButton(app)->isEnabled());
        QCOMPARE(summary->text(), QStringLiteral("2 righe pronte per l'importazione."));
        QVERIFY(!QFile::exists(app.path(QStringLiteral("Parco_Automezzi.pro"))) ||
                fixtures::readVehicles(app.dir()).isEmpty());
    }

    // A disk that fills up half-way through leaves the register as it was.
    void failingWrite_addsNothing() {
        AppHarness app;
        fixtures::writeVehicles(app.dir(), {fixtures::vehicle(QStringLiteral("A")), fixtures::vehicle(QStringLiteral("B"))});
        const QByteArray before = fixtures::readFile(app.path(QStringLiteral("Parco_Automezzi.pro")));
        importIntoCards(app, cardRows(400)); // 400 cards: more than one block of writes
        QVERIFY(importButton(app)->isEnabled());
        app.dialogs().clear();
        {
            FileSizeLimit full(before.size() + 300 * V::kRecordSize);
            AppHarness::click(importButton(app));
        }
        QCOMPARE(app.dialogs().texts(), QStringList{kAccess});
        QCOMPARE(app.dialogs().prompts().constFirst().kind, QStringLiteral("error"));
        QVERIFY(app.screen(kImport));
        QCOMPARE(fixtures::readFile(app.path(QStringLiteral("Parco_Automezzi.pro"))), before);
    }

    void unreadableFile_isToldAndNothingOpens() {
        AppHarness app;
        app.openArea(kCard);
        app.dialogs().queue(app.path(QStringLiteral("manca.csv")));
        AppHarness::click(app.control(kCard, QStringLiteral("cmdImportaFile")));
        QCOMPARE(app.dialogs().texts().constLast(),
                 QStringLiteral("Attenzione: il file non si può importare.\n\r\n\rIl file non esiste o non è un file."));
        QVERIFY(!app.screen(kImport));
    }

    // Entries go to the year open on the cost screen, with day, month and year from the date.
    void costs_goToTheOpenYear() {
        AppHarness app;
        app.openCostYear(QStringLiteral("2025"));
        app.dialogs().queue(writeCsv(app, "Data;Marca;Modello;Targa;Causale;Importo\n"
                                          "07/11/2025;Fiat;Panda;ab1;Bollo;\"1.234,5\"\n"));
        AppHarness::click(app.control(QStringLiteral("frmCosti"), QStringLiteral("cmdImportaFile")));
        QVERIFY(app.screen(kImport));
        app.dialogs().clear();
        AppHarness::click(importButton(app));
        QCOMPARE(app.dialogs().texts(),
                 QStringList{"Importazione completata: 1 costo aggiunto all'archivio del 2025."});
        const QList<C> entries = fixtures::readCosts(app.path(QStringLiteral("2025.eur")));
        QCOMPARE(entries.size(), 1);
        QCOMPARE((QStringList{entries[0][C::Giorno], entries[0][C::Mese], entries[0][C::Anno], entries[0][C::Data],
                              entries[0][C::Targa], entries[0][C::Importo], entries[0][C::Saldato]}),
                 (QStringList{"07", "Novembre", "2025", "07/11/2025", "AB1", "1234,50", "No"}));
    }
};

VESTRANO_TEST(ImportDialogTest)
#include "import_dialog_test.moc"
