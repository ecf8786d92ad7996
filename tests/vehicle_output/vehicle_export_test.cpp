#include "support/app_harness.h"
#include "support/file_size_limit.h"
#include "support/spreadsheet_reader.h"
#include "support/failing_device.h"
#include "support/test_registry.h"

#include "vehicle_output/export_screen.h"
#include "vehicle_output/spreadsheet_file.h"
#include "vehicles/vehicle_file.h"

#include <QDir>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QTableView>


namespace {

using F = TSchedaVeicolo;
const QString kCard = QStringLiteral("frmAutoparco");
const QString kExport = QStringLiteral("frmExpAutoparco");
const QString kXls = QStringLiteral("Parco_Automezzi.xls");
const QString kAskExport = QStringLiteral("L'esportazione dei dati in Excel può richiedere diversi "
                                          "minuti a seconda del numero di schede presenti in "
                                          "archivio.\r\n\r\nSi vuole esportare i dati adesso?");
const QString kAskOpen = QStringLiteral("Le schede in archivio sono state esportate con "
                                        "successo.\r\n\r\nSi vuole aprire il file di Excel?");
const QString kCannotExport =
    QStringLiteral("Attenzione: il sistema non permette di esportare i dati.\n\r\n\rAccertarsi che "
                   "il file di Excel non sia già "
                   "aperto.");

// The card of the expected file under tests/data/exports: accented letters, the euro sign and
// the characters the markup would take as its own.
TSchedaVeicolo richCard() {
    return fixtures::vehicle({
        {F::Tipo, QStringLiteral("Autovettura")},
        {F::Destinazione, QStringLiteral("Trasporto persone")},
        {F::Marca, QStringLiteral("Citroën")},
        {F::Modello, QStringLiteral("C3 Aircross")},
        {F::Targa, QStringLiteral("AB123CD")},
        {F::Anno, QStringLiteral("15/03/2019")},
        {F::Colore, QStringLiteral("Blu notte")},
        {F::Telaio, QStringLiteral("VF7XYZ0012")},
        {F::Pneumatici, QStringLiteral("205/55 R16")},
        {F::Stato, QStringLiteral("Efficiente")},
        {F::Chilometri, QStringLiteral("45000")},
        {F::Lettura, QStringLiteral("01/12/2026")},
        {F::Alimentazione, QStringLiteral("Benzina")},
        {F::Cilindrata, QStringLiteral("1199")},
        {F::KW, QStringLiteral("81")},
        {F::Ambiente, QStringLiteral("Euro 6")},
        {F::Posti, QStringLiteral("5")},
        {F::Portata, QStringLiteral("450 kg")},
        {F::Compagnia, QStringLiteral("Assicurazioni Unite")},
        {F::TelAssicuratore, QStringLiteral("800 123123")},
        {F::Polizza, QStringLiteral("POL-778")},
        {F::Incidenti, QStringLiteral("Nessuno")},
        {F::Proprietario, QStringLiteral("Società Rossi & Figli")},
        {F::Autista, QStringLiteral("Niccolò Bianchi")},
        {F::TelAutista, QStringLiteral("333 1234567")},
        {F::Meccanico, QStringLiteral("Officina \"Da Gino\"")},
        {F::TelMeccanico, QStringLiteral("06 5551234")},
        {F::ScadRevisione, QStringLiteral("15/03/2027")},
        {F::ScadTagliando, QStringLiteral("01/06/2027")},
        {F::ScadAssicurazione, QStringLiteral("31/12/2026")},
        {F::ScadBollo, QStringLiteral("31/01/2027")},
        {F::Note, QStringLiteral("Bollo 150 € < soglia; costo > previsto")},
        {F::File01, QStringLiteral("libretto.pdf")},
        {F::Desc01, QStringLiteral("Libretto")},
    });
}

QByteArray expectedFile(const QString& name) {
    const QString path = QFINDTESTDATA(QStringLiteral("data/exports/") + name);
    return fixtures::readFile(path);
}

ExportScreen* openExport(AppHarness& app) {
    app.openArea(kCard);
    AppHarness::click(app.control(kCard, QStringLiteral("cmdEsporta")));
    return qobject_cast<ExportScreen*>(app.screen(kExport));
}

QTableView* grid(AppHarness& app) {
    return app.control<QTableView>(kExport, QStringLiteral("grdRecords"));
}

void clickExport(AppHarness& app) {
    AppHarness::click(app.control(kExport, QStringLiteral("cmdEsporta")));
}

// Types into a grid cell as a user does: the first key opens the editor, the rest go to it.
void typeInCell(QTableView* view, int row, int column, const QString& text) {
    view->setCurrentIndex(view->model()->index(row, column));
    QTest::keyClick(view, text.at(0).toLatin1());
    if (QWidget* editor = view->indexWidget(view->currentIndex()))
        QTest::keyClicks(editor, text.mid(1));
}

} // namespace

class VehicleExportTest : public QObject {
    Q_OBJECT
private slots:
    void cellBytes_escapesTrimsAndEncodes_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("plain") << "Fiat Panda" << QByteArray("Fiat Panda");
        QTest::newRow("blanks around") << " \t Fiat \r\n" << QByteArray("Fiat");
        QTest::newRow("markup characters")
            << "a<b & c>d \"e\"" << QByteArray("a&lt;b &amp; c&gt;d &quot;e&quot;");
        QTest::newRow("reference stays text") << "&amp;" << QByteArray("&amp;amp;");
        QTest::newRow("accents and euro") << "Società 10 €" << QByteArray("Societ\xE0 10 \x80");
        QTest::newRow("line break inside")
            << "riga 1\r\nriga 2" << QByteArray("riga 1&#13;&#10;riga 2");
        QTest::newRow("outside the code page") << "Ω" << QByteArray("?");
    }
    void cellBytes_escapesTrimsAndEncodes() {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QCOMPARE(spreadsheet::cellBytes(text), bytes);
    }

    void writer_deviceFailingHalfway_reportsFailure() {
        FailingDevice device(3000);
        const spreadsheet::Sheet sheet{QStringLiteral("S"), {{QStringLiteral("A"), 10}}};
        const auto cell = [](int, int) { return QStringLiteral("cella"); };
        QVERIFY(!spreadsheet::write(device, sheet, 200, cell));
        FailingDevice roomy(1 << 20);
        QVERIFY(spreadsheet::write(roomy, sheet, 200, cell));
    }

    void export_writesTheExpectedBytes_data() {
        QTest::addColumn<bool>("withCard");
        QTest::addColumn<QString>("expected");
        QTest::newRow("one card") << true << "vehicle_register.xls";
        QTest::newRow("empty register, no file yet") << false << "empty_vehicle_register.xls";
    }
    void export_writesTheExpectedBytes() {
        QFETCH(bool, withCard);
        QFETCH(QString, expected);
        AppHarness app;
        if (withCard)
            fixtures::writeVehicles(app.dir(), {richCard()});
        // An earlier, longer export is replaced, not overwritten in part.
        fixtures::writeFile(app.path(kXls), QByteArray(100000, 'x'));
        QVERIFY(openExport(app));
        app.dialogs().queue(true);
        app.dialogs().queue(false);
        clickExport(app);
        QCOMPARE(app.dialogs().texts(), (QStringList{kAskExport, kAskOpen}));
        QVERIFY(app.dialogs().unexpected().isEmpty());
        const QByteArray want = expectedFile(expected);
        QVERIFY(!want.isEmpty());
        QCOMPARE(fixtures::readFile(app.path(kXls)), want);
        QVERIFY(app.shell().targets.isEmpty());
        QVERIFY(QFileInfo::exists(
            VehicleFile::pathIn(app.dir()))); // the missing register is created empty
    }

    void grid_showsTheRegister() {
        AppHarness app;
        fixtures::writeVehicles(app.dir(), {richCard(), fixtures::vehicle(QStringLiteral("2"))});
        ExportScreen* screen = openExport(app);
        QVERIFY(screen);
        QCOMPARE(screen->windowTitle(), QStringLiteral(" Esportazione archivio veicoli in Excel"));
        QCOMPARE(screen->size(), QSize(862, 560));
        QCOMPARE(app.control<QLabel>(kExport, QStringLiteral("panInfo"))->text(),
                 QStringLiteral("Esportazione archivio in Microsoft Excel."));
        QTableView* view = grid(app);
        QAbstractItemModel* m = view->model();
        QCOMPARE(m->rowCount(), 2);
        QCOMPARE(m->columnCount(), 26);
        QCOMPARE(m->headerData(0, Qt::Horizontal).toString(), QStringLiteral("N."));
        QCOMPARE(m->headerData(15, Qt::Horizontal).toString(),
                 QStringLiteral("Compatibilità ambientale"));
        QCOMPARE(m->headerData(25, Qt::Horizontal).toString(), QStringLiteral("Note"));
        QCOMPARE(view->columnWidth(0), 60);
        QCOMPARE(view->columnWidth(9), 250);
        QCOMPARE(view->columnWidth(25), 350);
        QCOMPARE(view->verticalHeader()->defaultSectionSize(), 21);
        QVERIFY(view->alternatingRowColors());
        QCOMPARE(m->index(1, 0).data().toString(), QStringLiteral("2"));
        QCOMPARE(m->index(0, 3).data().toString(), QStringLiteral("Citroën"));
        QCOMPARE(m->index(0, 11).data().toString(),
                 QStringLiteral("45000")); // Chilometri, after the hidden Lettura
        QCOMPARE(m->index(0, 16).data().toString(), QStringLiteral("Società Rossi & Figli"));
        QCOMPARE(m->index(1, 1).data().toString(), QStringLiteral("Auto 2"));
        // Which columns accept typing.
        const QList<int> editable{4, 5, 6, 7, 10, 14, 16, 18, 19, 20, 21, 22, 23, 24, 25};
        for (int c = 0; c < 26; ++c)
            QCOMPARE(bool(m->flags(m->index(0, c)) & Qt::ItemIsEditable), editable.contains(c));
    }

    void grid_emptyRegister_showsTenEmptyRows() {
        AppHarness app;
        fixtures::writeVehicles(app.dir(), {});
        QVERIFY(openExport(app));
        QAbstractItemModel* m = grid(app)->model();
        QCOMPARE(m->rowCount(), 10);
        QCOMPARE(m->index(0, 0).data().toString(), QString());
    }

    void typedText_isExported_registerUnchanged() {
        AppHarness app;
        fixtures::writeVehicles(app.dir(), {richCard(), fixtures::vehicle(QStringLiteral("2"))});
        const QByteArray registerBefore = fixtures::readFile(VehicleFile::pathIn(app.dir()));
        QVERIFY(openExport(app));
        AppHarness::activate(app.screen(kExport));
        QTableView* view = grid(app);
        typeInCell(view, 1, 25, QStringLiteral("Nota <nuova>"));
        typeInCell(view, 1, 1, QStringLiteral("Camion")); // Tipo is read-only in the grid
        // Still editing the first cell's text when the command is clicked: it counts too.
        typeInCell(view, 0, 5, QStringLiteral("ZZ999ZZ"));
        app.dialogs().queue(true);
        app.dialogs().queue(false);
        clickExport(app);
        const QByteArray file = fixtures::readFile(app.path(kXls));
        QVERIFY(file.contains("<td style=\"text-align: left;\">Nota &lt;nuova&gt;</td></tr>"));
        QVERIFY(file.contains("<td style=\"text-align: left;\">ZZ999ZZ</td>"));
        QVERIFY(!file.contains("AB123CD"));
        QVERIFY(file.contains("<tr><td style=\"text-align: left;\">Auto 2</td>"));
        QVERIFY(!file.contains("Camion"));
        QCOMPARE(fixtures::readFile(VehicleFile::pathIn(app.dir())), registerBefore);
    }

    void answeringNo_writesNothing() {
        AppHarness app;
        fixtures::writeVehicles(app.dir(), {richCard()});
        fixtures::writeFile(app.path(kXls), QByteArrayLiteral("earlier export"));
        QVERIFY(openExport(app));
        app.dialogs().queue(false);
        clickExport(app);
        QCOMPARE(app.dialogs().texts(), QStringList{kAskExport});
        QCOMPARE(fixtures::readFile(app.path(kXls)), QByteArrayLiteral("earlier export"));
    }

    void answeringYes_opensTheFileThroughTheShell() {
        AppHarness app;
        QVERIFY(openExport(app));
        app.dialogs().queue(true);
        app.dialogs().queue(true);
        clickExport(app);
        QCOMPARE(app.shell().targets,
                 QStringList{u'"' + QDir::toNativeSeparators(app.path(kXls)) + u'"'});
    }

    void fileCannotBeCreated_showsTheMessage_screenStaysOpen() {
        AppHarness app;
        QDir(app.dir()).mkdir(kXls); // a folder where the file should go
        QVERIFY(openExport(app));
        app.dialogs().queue(true);
        clickExport(app);
        QCOMPARE(app.dialogs().texts(), (QStringList{kAskExport, kCannotExport}));
        QCOMPARE(app.dialogs().prompts().last().kind, QStringLiteral("message"));
        QVERIFY(app.screen(kExport));
        QVERIFY(app.shell().targets.isEmpty());
    }

    void writeFailsHalfway_earlierExportStaysWhole() {
        AppHarness app;
        fixtures::writeVehicles(app.dir(), {richCard(), richCard(), richCard()});
        fixtures::writeFile(app.path(kXls), QByteArrayLiteral("earlier export"));
        QVERIFY(openExport(app));
        app.dialogs().queue(true);
        {
            const FileSizeLimit diskFull(4000); // the export needs about 10 kB
            clickExport(app);
        }
        QCOMPARE(app.dialogs().texts(), (QStringList{kAskExport, kCannotExport}));
        QCOMPARE(fixtures::readFile(app.path(kXls)), QByteArrayLiteral("earlier export"));
        QCOMPARE(QDir(app.dir()).entryList(QDir::Files).size(), 2); // no temporary file left behind
    }

    void hints_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("hint");
        QTest::newRow("export") << "cmdEsporta"
                                << "Esporta l'archivio in formato Microsoft Excel.";
        QTest::newRow("help") << "cmdGuida"
                              << "Visualizza la pagina della guida sensibile al contesto.";
        QTest::newRow("exit") << "cmdEsci"
                              << "Esci da questo ambiente di lavoro.";
        QTest::newRow("container") << "panContainer"
                                   << "";
        QTest::newRow("status strip") << "shpInfo"
                                      << "";
        QTest::newRow("background") << "shpSfondo"
                                    << "";
        QTest::newRow("grid") << "grdRecords"
                              << "";
    }
    void hints() {
        QFETCH(QString, control);
        QFETCH(QString, hint);
        AppHarness app;
        QVERIFY(openExport(app));
        auto* info = app.control<QLabel>(kExport, QStringLiteral("panInfo"));
        info->setText(QStringLiteral("something else"));
        QWidget* w = app.control(kExport, control);
        if (auto* view = qobject_cast<QTableView*>(w))
            w = view->viewport();
        AppHarness::hover(w);
        QCOMPARE(info->text(), hint);
        AppHarness::hover(app.screen(kExport));
        QCOMPARE(info->text(), QString());
    }

    void exit_closesTheScreen() {
        AppHarness app;
        QVERIFY(openExport(app));
        QPointer<QWidget> screen = app.screen(kExport);
        AppHarness::click(app.control(kExport, QStringLiteral("cmdEsci")));
        QTRY_VERIFY(screen.isNull());
        QVERIFY(app.screen(kCard)->isVisible());
    }

    void spreadsheetProgram_readsEveryCell() {
        if (spreadsheet_reader::office().isEmpty())
            QSKIP("LibreOffice (soffice) is not installed");
        AppHarness app;
        fixtures::writeVehicles(app.dir(), {richCard(), fixtures::vehicle(QStringLiteral("2"))});
        QVERIFY(openExport(app));
        app.dialogs().queue(true);
        app.dialogs().queue(false);
        clickExport(app);
        QString error;
        const auto rows = spreadsheet_reader::readWithOffice(app.path(kXls), &error);
        QVERIFY2(rows, qPrintable(error));
        QCOMPARE(rows->size(), 3);
        QCOMPARE(rows->at(0).size(), 25);
        QCOMPARE(rows->at(0).at(0), QStringLiteral("Tipo veicolo"));
        QCOMPARE(rows->at(0).at(14), QStringLiteral("Compatibilità ambientale"));
        const TSchedaVeicolo card = richCard();
        const int exported[] = {F::Tipo,
                                F::Destinazione,
                                F::Marca,
                                F::Modello,
                                F::Targa,
                                F::Anno,
                                F::Colore,
                                F::Telaio,
                                F::Pneumatici,
                                F::Stato,
                                F::Chilometri,
                                F::Alimentazione,
                                F::Cilindrata,
                                F::KW,
                                F::Ambiente,
                                F::Proprietario,
                                F::Autista,
                                F::TelAutista,
                                F::Meccanico,
                                F::TelMeccanico,
                                F::ScadRevisione,
                                F::ScadTagliando,
                                F::ScadAssicurazione,
                                F::ScadBollo,
                                F::Note};
        QStringList want;
        for (int field : exported)
            want.append(card.values.at(field));
        QCOMPARE(rows->at(1), want);
        QCOMPARE(rows->at(2).at(0), QStringLiteral("Auto 2"));
    }
};

VESTRANO_TEST(VehicleExportTest)
#include "vehicle_export_test.moc"
