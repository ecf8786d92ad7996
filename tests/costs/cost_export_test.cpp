#include "support/app_harness.h"
#include "support/file_size_limit.h"
#include "support/spreadsheet_reader.h"
#include "support/test_registry.h"

#include "costs/cost_file.h"
#include "vehicle_output/export_screen.h"

#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QTableView>

namespace {

using C = TSchedaCosto;
const QString kCosts = QStringLiteral("frmCosti");
const QString kExport = QStringLiteral("frmExpCosti");
const QString kXls = QStringLiteral("Costi_Sostenuti.xls");
const QString kAskExport = QStringLiteral(
    "L'esportazione dei dati in Excel può richiedere diversi minuti a seconda del numero di schede "
    "presenti in archivio.\r\n\r\nSi vuole esportare i dati adesso?");
const QString kAskOpen = QStringLiteral("Le schede in archivio sono state esportate con "
                                        "successo.\r\n\r\nSi vuole aprire il file di Excel?");
const QString kCannotExport =
    QStringLiteral("Attenzione: il sistema non permette di esportare i dati.\n\r\n\rAccertarsi che "
                   "il file di Excel non sia già aperto.");

C entry(std::initializer_list<std::pair<C::Field, QString>> values) {
    C e;
    for (const auto& [field, value] : values)
        e[field] = value;
    return e;
}

// The two entries of the expected file under tests/data/exports.
QList<C> twoEntries() {
    return {
        entry({{C::Giorno, QStringLiteral("05")},
               {C::Mese, QStringLiteral("Marzo")},
               {C::Anno, QStringLiteral("2026")},
               {C::Data, QStringLiteral("05/03/2026")},
               {C::Luogo, QStringLiteral("Forlì")},
               {C::Veicolo, QStringLiteral("Autovettura")},
               {C::Marca, QStringLiteral("Citroën")},
               {C::Modello, QStringLiteral("C3 Aircross")},
               {C::Colore, QStringLiteral("Blu notte")},
               {C::Alimentazione, QStringLiteral("Benzina")},
               {C::Targa, QStringLiteral("AB123CD")},
               {C::Causale, QStringLiteral("Manutenzione")},
               {C::Descrizione, QStringLiteral("Cambio olio e filtri: 45 € + IVA")},
               {C::Modalita, QStringLiteral("Carta di credito")},
               {C::Estremi, QStringLiteral("Fattura n. 12/A")},
               {C::Importo, QStringLiteral("12,50")},
               {C::Pagatore, QStringLiteral("Società Rossi & Figli")},
               {C::RecPagatore, QStringLiteral("0543 123456")},
               {C::Beneficiario, QStringLiteral("Officina \"Da Gino\"")},
               {C::RecBeneficiario, QStringLiteral("06 5551234")},
               {C::Conducente, QStringLiteral("Niccolò Bianchi")},
               {C::Recapito, QStringLiteral("333 1234567")},
               {C::Saldato, C::paid()},
               {C::Note, QStringLiteral("Pagato <in ritardo>")}}),
        entry({{C::Giorno, QStringLiteral("18")},
               {C::Mese, QStringLiteral("Novembre")},
               {C::Anno, QStringLiteral("2026")},
               {C::Data, QStringLiteral("18/11/2026")},
               {C::Luogo, QStringLiteral("Cesena")},
               {C::Veicolo, QStringLiteral("Furgone")},
               {C::Marca, QStringLiteral("Fiat")},
               {C::Modello, QStringLiteral("Ducato")},
               {C::Colore, QStringLiteral("Bianco")},
               {C::Alimentazione, QStringLiteral("Gasolio")},
               {C::Targa, QStringLiteral("ZZ999ZZ")},
               {C::Causale, QStringLiteral("Bollo")},
               {C::Importo, QStringLiteral("1,2345")},
               {C::Saldato, C::unpaid()}}),
    };
}

void writeYear(AppHarness& app, const QString& year, const QList<C>& entries) {
    QByteArray bytes;
    for (const C& e : entries)
        bytes += e.encode();
    fixtures::writeFile(CostFile::pathFor(app.dir(), year), bytes);
}

// The year chosen in the cost menu, then the cost screen's export command.
ExportScreen* openExport(AppHarness& app, const QString& year) {
    app.openCostYear(year);
    auto* file = app.control<QLabel>(kCosts, QStringLiteral("lblFile"));
    if (!file || file->text() != CostFile::pathFor(app.dir(), year))
        return nullptr;
    // Blanks around the path, as a label may hold them: the export trims them.
    file->setText(u' ' + file->text() + u' ');
    AppHarness::click(app.control(kCosts, QStringLiteral("cmdEsporta")));
    return qobject_cast<ExportScreen*>(app.screen(kExport));
}

void exportAnswering(AppHarness& app, bool openIt) {
    app.dialogs().queue(true);
    app.dialogs().queue(openIt);
    AppHarness::click(app.control(kExport, QStringLiteral("cmdEsporta")));
}

} // namespace

class CostExportTest : public QObject {
    Q_OBJECT
private slots:
    void export_writesTheExpectedBytes_data() {
        QTest::addColumn<bool>("withEntries");
        QTest::addColumn<QString>("expected");
        QTest::newRow("two entries") << true << "cost_register.xls";
        QTest::newRow("year without entries") << false << "empty_cost_register.xls";
    }
    void export_writesTheExpectedBytes() {
        QFETCH(bool, withEntries);
        QFETCH(QString, expected);
        AppHarness app;
        if (withEntries)
            writeYear(app, QStringLiteral("2026"), twoEntries());
        // The export of another year is replaced: there is only one Costi_Sostenuti.xls.
        fixtures::writeFile(app.path(kXls), QByteArray(50000, 'x'));
        QVERIFY(openExport(app, QStringLiteral("2026")));
        exportAnswering(app, false);
        QCOMPARE(app.dialogs().texts(), (QStringList{kAskExport, kAskOpen}));
        const QByteArray want =
            fixtures::readFile(QFINDTESTDATA(QStringLiteral("data/exports/") + expected));
        QVERIFY(!want.isEmpty());
        QCOMPARE(fixtures::readFile(app.path(kXls)), want);
        QVERIFY(QFileInfo::exists(CostFile::pathFor(app.dir(), QStringLiteral("2026"))));
    }

    void grid_showsTheYear() {
        AppHarness app;
        writeYear(app, QStringLiteral("2026"), twoEntries());
        ExportScreen* screen = openExport(app, QStringLiteral("2026"));
        QVERIFY(screen);
        QCOMPARE(screen->windowTitle(),
                 QStringLiteral(" Esporta archivio costi sostenuti in Excel"));
        QCOMPARE(screen->size(), QSize(862, 560));
        auto* view = app.control<QTableView>(kExport, QStringLiteral("grdRecords"));
        QAbstractItemModel* m = view->model();
        QCOMPARE(m->rowCount(), 2);
        QCOMPARE(m->columnCount(), 22);
        QCOMPARE(m->headerData(11, Qt::Horizontal).toString(),
                 QStringLiteral("Modalità di pagamento"));
        QCOMPARE(m->headerData(21, Qt::Horizontal).toString(), QStringLiteral("Saldato"));
        QCOMPARE(view->columnWidth(1), 150);
        QCOMPARE(view->columnWidth(13), 180);
        QCOMPARE(view->columnWidth(21), 120);
        QCOMPARE(m->index(1, 0).data().toString(), QStringLiteral("2"));
        QCOMPARE(m->index(0, 1).data().toString(), QStringLiteral("05/03/2026"));
        QCOMPARE(m->index(0, 13).data().toString(), QStringLiteral("12,50"));
        QCOMPARE(m->index(0, 21).data().toString(), QStringLiteral("Sì"));
        QCOMPARE(m->index(1, 21).data().toString(), QStringLiteral("No"));
        const QList<int> editable{12, 13, 14, 15, 16, 17, 21};
        for (int c = 0; c < 22; ++c)
            QCOMPARE(bool(m->flags(m->index(0, c)) & Qt::ItemIsEditable), editable.contains(c));
    }

    void grid_yearWithoutFile_isCreated_tenEmptyRows() {
        AppHarness app;
        QVERIFY(openExport(app, QStringLiteral("2031")));
        auto* view = app.control<QTableView>(kExport, QStringLiteral("grdRecords"));
        QCOMPARE(view->model()->rowCount(), 10);
        QCOMPARE(fixtures::readFile(CostFile::pathFor(app.dir(), QStringLiteral("2031"))),
                 QByteArray());
        QVERIFY(QFileInfo::exists(CostFile::pathFor(app.dir(), QStringLiteral("2031"))));
    }

    void typedAmount_isExported_yearFileUnchanged() {
        AppHarness app;
        writeYear(app, QStringLiteral("2026"), twoEntries());
        const QByteArray before =
            fixtures::readFile(CostFile::pathFor(app.dir(), QStringLiteral("2026")));
        QVERIFY(openExport(app, QStringLiteral("2026")));
        auto* view = app.control<QTableView>(kExport, QStringLiteral("grdRecords"));
        QVERIFY(view->model()->setData(view->model()->index(1, 13), QStringLiteral("99,90")));
        QVERIFY(!view->model()->setData(view->model()->index(1, 9),
                                        QStringLiteral("Altro"))); // read-only
        exportAnswering(app, false);
        const QByteArray file = fixtures::readFile(app.path(kXls));
        QVERIFY(file.contains(">99,90<"));
        QVERIFY(!file.contains(">1,2345<"));
        QVERIFY(file.contains(">Bollo<"));
        QCOMPARE(fixtures::readFile(CostFile::pathFor(app.dir(), QStringLiteral("2026"))), before);
    }

    void fileCannotBeCreated_showsTheMessage() {
        AppHarness app;
        QDir(app.dir()).mkdir(kXls);
        QVERIFY(openExport(app, QStringLiteral("2026")));
        exportAnswering(app, true);
        QCOMPARE(app.dialogs().texts(), (QStringList{kAskExport, kCannotExport}));
        QVERIFY(app.screen(kExport));
        QVERIFY(app.shell().targets.isEmpty());
    }

    void diskFull_showsTheMessage_earlierExportStaysWhole() {
        AppHarness app;
        writeYear(app, QStringLiteral("2026"), twoEntries() + twoEntries() + twoEntries());
        fixtures::writeFile(app.path(kXls), QByteArrayLiteral("export di un altro anno"));
        QVERIFY(openExport(app, QStringLiteral("2026")));
        {
            const FileSizeLimit diskFull(3000); // the export needs about 8 kB
            exportAnswering(app, true);
        }
        QCOMPARE(app.dialogs().texts(), (QStringList{kAskExport, kCannotExport}));
        QCOMPARE(fixtures::readFile(app.path(kXls)), QByteArrayLiteral("export di un altro anno"));
        QVERIFY(app.shell().targets.isEmpty());
        const QStringList left = QDir(app.dir()).entryList(QDir::Files);
        QVERIFY2(left.filter(QStringLiteral("Costi_Sostenuti")).size() == 1, qPrintable(left.join(u' ')));
    }

    void answeringYes_opensTheFile() {
        AppHarness app;
        QVERIFY(openExport(app, QStringLiteral("2026")));
        exportAnswering(app, true);
        QCOMPARE(app.shell().targets,
                 QStringList{u'"' + QDir::toNativeSeparators(app.path(kXls)) + u'"'});
    }

    void spreadsheetProgram_readsEveryCell() {
        if (spreadsheet_reader::office().isEmpty())
            QSKIP("LibreOffice (soffice) is not installed");
        AppHarness app;
        writeYear(app, QStringLiteral("2026"), twoEntries());
        QVERIFY(openExport(app, QStringLiteral("2026")));
        exportAnswering(app, false);
        QString error;
        const auto rows = spreadsheet_reader::readWithOffice(app.path(kXls), &error);
        QVERIFY2(rows, qPrintable(error));
        QCOMPARE(rows->size(), 3);
        QCOMPARE(rows->at(0).at(10), QStringLiteral("Modalità di pagamento"));
        const C::Field exported[] = {
            C::Data,         C::Luogo,           C::Veicolo,    C::Marca,    C::Modello,
            C::Colore,       C::Alimentazione,   C::Targa,      C::Causale,  C::Descrizione,
            C::Modalita,     C::Estremi,         C::Importo,    C::Pagatore, C::RecPagatore,
            C::Beneficiario, C::RecBeneficiario, C::Conducente, C::Recapito, C::Note,
            C::Saldato};
        const QList<C> entries = twoEntries();
        for (int r = 0; r < 2; ++r) {
            QStringList want;
            for (C::Field f : exported)
                want.append(entries.at(r)[f]);
            QCOMPARE(rows->at(r + 1), want);
        }
    }
};

VESTRANO_TEST(CostExportTest)
#include "cost_export_test.moc"
