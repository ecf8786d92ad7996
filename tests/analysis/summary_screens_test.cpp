#include "support/cost_fixtures.h"

#include "lists/result_list.h"
#include "support/app_harness.h"
#include "support/pdf_reader.h"
#include "support/test_registry.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>

namespace {

const QString kSelection = QStringLiteral("frmMenuRiepSpese");
const QString kView = QStringLiteral("frmRiepSpese");
const QString kDateHint = QStringLiteral("\n\r\n\rPer poter visualizzare il riepilogo è necessario indicare una data valida.");

using Entry = fixtures::DatedCost;

struct Selection {
    QString year = QStringLiteral("2014");
    QString dayFrom = QStringLiteral("01");
    QString monthFrom = QStringLiteral("Gennaio");
    QString dayTo = QStringLiteral("31");
    QString monthTo = QStringLiteral("Dicembre");
    QString plate;
    QString reason;
};

QComboBox* combo(AppHarness& app, const QString& name) { return app.control<QComboBox>(kSelection, name); }

// Fills the selection as a user would leave it (the day and month lists set by picking).
void fill(AppHarness& app, const Selection& s) {
    auto* year = app.control<QLineEdit>(kSelection, QStringLiteral("txtAnno"));
    year->clear();
    AppHarness::type(year, s.year);
    app.control<QLineEdit>(kSelection, QStringLiteral("txtTipologia"))->setText(s.plate);
    combo(app, QStringLiteral("txtCausale"))->setEditText(s.reason);
    combo(app, QStringLiteral("txtGiornoInizio"))->setEditText(s.dayFrom);
    combo(app, QStringLiteral("txtMeseInizio"))->setEditText(s.monthFrom);
    combo(app, QStringLiteral("txtGiornoFine"))->setEditText(s.dayTo);
    combo(app, QStringLiteral("txtMeseFine"))->setEditText(s.monthTo);
}

void showSummary(AppHarness& app, const Selection& s) {
    fill(app, s);
    AppHarness::click(app.control(kSelection, QStringLiteral("btnVisualizza")));
}

QStringList listed(AppHarness& app) {
    auto* list = app.control<ResultList>(kView, QStringLiteral("lstRecords"));
    return list ? list->texts() : QStringList();
}

QString viewText(AppHarness& app, const QString& label) {
    return app.control<QLabel>(kView, label)->text();
}

} // namespace

class SummaryScreensTest : public QObject {
    Q_OBJECT
private slots:
    void show_resetsDatesAndYear_keepsFilters() {
        AppHarness app;
        app.openArea(kSelection);
        QCOMPARE(app.control<QLineEdit>(kSelection, QStringLiteral("txtAnno"))->text(), QStringLiteral("2026"));
        QCOMPARE(app.control<QLabel>(kSelection, QStringLiteral("lblAnnoInizio"))->text(), QStringLiteral("2026"));
        QCOMPARE(app.control<QLabel>(kSelection, QStringLiteral("lblAnnoFine"))->text(), QStringLiteral("2026"));
        QCOMPARE(AppHarness::focused(), app.control(kSelection, QStringLiteral("txtTipologia")));
        QVERIFY(!app.control(kSelection, QStringLiteral("lblAttendere"))->isVisible());

        fill(app, {QStringLiteral("2013"), "05", "Marzo", "06", "Marzo", "AB1", "Bollo"});
        app.screen(kSelection)->close();
        app.openArea(kSelection);
        for (const char* name : {"txtGiornoInizio", "txtMeseInizio", "txtGiornoFine", "txtMeseFine"}) {
            QCOMPARE(combo(app, QString::fromLatin1(name))->currentText(), QString());
            QCOMPARE(combo(app, QString::fromLatin1(name))->currentIndex(), -1);
        }
        QCOMPARE(app.control<QLineEdit>(kSelection, QStringLiteral("txtAnno"))->text(), QStringLiteral("2026"));
        QCOMPARE(app.control<QLineEdit>(kSelection, QStringLiteral("txtTipologia"))->text(), QStringLiteral("AB1"));
        QCOMPARE(combo(app, QStringLiteral("txtCausale"))->currentText(), QStringLiteral("Bollo"));
    }

    void keys_yearMirrored_plateInCapitals_returnOrder() {
        AppHarness app;
        app.openArea(kSelection);
        auto* year = app.control<QLineEdit>(kSelection, QStringLiteral("txtAnno"));
        year->setFocus();
        year->clear();
        AppHarness::type(year, QStringLiteral("2x01"));
        QCOMPARE(year->text(), QStringLiteral("201"));
        QCOMPARE(app.control<QLabel>(kSelection, QStringLiteral("lblAnnoInizio"))->text(), QStringLiteral("201"));
        QCOMPARE(app.control<QLabel>(kSelection, QStringLiteral("lblAnnoFine"))->text(), QStringLiteral("201"));

        auto* plate = app.control<QLineEdit>(kSelection, QStringLiteral("txtTipologia"));
        plate->clear();
        AppHarness::type(plate, QStringLiteral("ab 12"));
        QCOMPARE(plate->text(), QStringLiteral("AB12"));

        const QStringList order{"txtAnno",       "txtTipologia", "txtCausale",  "txtGiornoInizio",
                                "txtMeseInizio", "txtGiornoFine", "txtMeseFine", "btnVisualizza"};
        AppHarness::activate(app.screen(kSelection));
        year->setFocus();
        for (qsizetype i = 0; i + 1 < order.size(); ++i) {
            QWidget* from = app.control(kSelection, order[i]);
            QCOMPARE(AppHarness::focused(), from);
            QVERIFY2(app.control(kSelection, QStringLiteral("eff") + order[i].mid(3))->isVisible(), qPrintable(order[i]));
            AppHarness::press(from, Qt::Key_Return);
        }
        QCOMPARE(AppHarness::focused(), app.control(kSelection, QStringLiteral("btnVisualizza")));
        QVERIFY(app.dialogs().prompts().isEmpty());
    }

    void monthField_anyLetterCase() {
        AppHarness app;
        app.openArea(kSelection);
        AppHarness::activate(app.screen(kSelection));
        QComboBox* month = combo(app, QStringLiteral("txtMeseInizio"));
        month->setFocus();
        month->setEditText(QStringLiteral("marzo"));
        combo(app, QStringLiteral("txtGiornoFine"))->setFocus();
        QCOMPARE(month->currentText().toLower(), QStringLiteral("marzo"));
        month->setFocus();
        month->setEditText(QStringLiteral("Marz"));
        combo(app, QStringLiteral("txtGiornoFine"))->setFocus();
        QCOMPARE(month->currentText(), QString());
    }

    // The checks of Visualizza riepilogo in their order; the first failing one speaks.
    void checks_data() {
        QTest::addColumn<QString>("year");
        QTest::addColumn<QString>("dayFrom");
        QTest::addColumn<QString>("monthFrom");
        QTest::addColumn<QString>("dayTo");
        QTest::addColumn<QString>("monthTo");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("focus");
        QTest::newRow("year of three digits")
            << "201" << "" << "" << "" << "" << "warning"
            << "Attenzione: indicare l'anno solare utilizzando quattro cifre." << "txtAnno";
        QTest::newRow("no start day")
            << "2014" << "" << "Marzo" << "05" << "Marzo" << "warning"
            << "Attenzione: indicare il giorno di inizio intervallo selezionandolo dall'elenco a cascata."
            << "txtGiornoInizio";
        QTest::newRow("no start month")
            << "2014" << "05" << " " << "" << "" << "warning"
            << "Attenzione: indicare il mese di inizio intervallo selezionandolo dall'elenco a cascata."
            << "txtMeseInizio";
        QTest::newRow("no end day")
            << "2014" << "05" << "Marzo" << "" << "Marzo" << "warning"
            << "Attenzione: indicare il giorno di fine intervallo selezionandolo dall'elenco a cascata."
            << "txtGiornoFine";
        QTest::newRow("no end month")
            << "2014" << "05" << "Marzo" << "05" << "" << "warning"
            << "Attenzione: indicare il mese di fine intervallo selezionandolo dall'elenco a cascata."
            << "txtMeseFine";
        QTest::newRow("31 April as start")
            << "2014" << "31" << "Aprile" << "05" << "Maggio" << "message"
            << "Attenzione: la data 31/04/2014 di inizio intervallo non esiste." + kDateHint << "txtGiornoInizio";
        QTest::newRow("29 February of a common year as end")
            << "2014" << "01" << "Febbraio" << "29" << "febbraio" << "message"
            << "Attenzione: la data 29/02/2014 di fine intervallo non esiste." + kDateHint << "txtGiornoFine";
        QTest::newRow("end before start")
            << "2014" << "06" << "Marzo" << "05" << "Marzo" << "message"
            << "Attenzione: la data di fine intervallo (05/03/2014) non può essere anteriore a quella di inizio "
               "intervallo (06/03/2014).\n\r\n\rPer poter visualizzare il riepilogo è necessario indicare un "
               "intervallo di tempo valido."
            << "btnVisualizza";
    }
    void checks() {
        QFETCH(QString, year);
        QFETCH(QString, dayFrom);
        QFETCH(QString, monthFrom);
        QFETCH(QString, dayTo);
        QFETCH(QString, monthTo);
        QFETCH(QString, kind);
        QFETCH(QString, text);
        QFETCH(QString, focus);
        AppHarness app;
        app.openArea(kSelection);
        showSummary(app, {year, dayFrom, monthFrom, dayTo, monthTo, {}, {}});
        QCOMPARE(app.dialogs().prompts().size(), 1);
        QCOMPARE(app.dialogs().prompts()[0].kind, kind);
        QCOMPARE(app.dialogs().prompts()[0].text, text);
        QCOMPARE(AppHarness::focused(), app.control(kSelection, focus));
        QVERIFY(!app.control(kSelection, QStringLiteral("lblAttendere"))->isVisible());
        QVERIFY(!app.screen(kView));
        QVERIFY(!QFile::exists(app.path(QStringLiteral("2014.eur"))));
    }

    void waitNotice_pressDraggedOff_hiddenAgain() {
        AppHarness app;
        app.openArea(kSelection);
        auto* show = app.control<QPushButton>(kSelection, QStringLiteral("btnVisualizza"));
        QWidget* wait = app.control(kSelection, QStringLiteral("lblAttendere"));
        QTest::mousePress(show, Qt::LeftButton, {}, show->rect().center());
        QVERIFY(wait->isVisible());
        QTest::mouseRelease(show, Qt::LeftButton, {}, QPoint(-50, -50));
        QTRY_VERIFY(!wait->isVisible());
        QVERIFY(app.dialogs().prompts().isEmpty());
    }

    void open_sameDay_showsViewAndWaitNotice() {
        AppHarness app;
        app.openArea(kSelection);
        showSummary(app, {QStringLiteral("2014"), "05", "Marzo", "05", "marzo", {}, {}});
        QVERIFY(app.dialogs().prompts().isEmpty());
        QVERIFY(app.screen(kView));
        QCOMPARE(app.control<QLabel>(kSelection, QStringLiteral("lblDataInizio"))->text(), QStringLiteral("05/03/2014"));
        QCOMPARE(app.control<QLabel>(kSelection, QStringLiteral("lblDataFine"))->text(), QStringLiteral("05/03/2014"));
        QCOMPARE(app.control<QLabel>(kSelection, QStringLiteral("lblFile"))->text(), app.path(QStringLiteral("2014.eur")));
        QVERIFY(app.control(kSelection, QStringLiteral("lblAttendere"))->isVisible());
        // A year without a file: created empty, nothing listed.
        QVERIFY(QFile::exists(app.path(QStringLiteral("2014.eur"))));
        QVERIFY(listed(app).isEmpty());
        QCOMPARE(viewText(app, QStringLiteral("lblTotCosti")), QStringLiteral("0,00"));
        QCOMPARE(viewText(app, QStringLiteral("lblIntervallo")), QStringLiteral("Dal   05/03/2014   al   05/03/2014"));

        AppHarness::click(app.control(kView, QStringLiteral("btnEsci")));
        QVERIFY(!app.screen(kView));
        // Escape closes it the same way.
        showSummary(app, {QStringLiteral("2014"), "05", "Marzo", "05", "marzo", {}, {}});
        QVERIFY(app.control(kSelection, QStringLiteral("lblAttendere"))->isVisible());
        AppHarness::press(app.screen(kView), Qt::Key_Escape);
        QVERIFY(!app.screen(kView));
        QVERIFY(!app.control(kSelection, QStringLiteral("lblAttendere"))->isVisible());
    }

    void view_listsSortedLinesAndTotal() {
        AppHarness app;
        fixtures::writeDatedCosts(
            app.path(QStringLiteral("2014.eur")),
            {{QStringLiteral("12/01/2014"), QStringLiteral("10,5"), QStringLiteral("AB123CD"), QStringLiteral("Bollo"),
              QStringLiteral("fiat"), QStringLiteral("Panda")},
             {QStringLiteral("05/03/2014"), QStringLiteral("2"), QStringLiteral("AB123CD"), QStringLiteral("Bollo"),
              QStringLiteral("fiat"), QStringLiteral("Panda")},
             {QStringLiteral("06/03/2014"), QStringLiteral("99"), QStringLiteral("ZZ1"), QStringLiteral("Bollo")},
             {QStringLiteral("07/03/2014"), QStringLiteral("1,25"), QStringLiteral("XAB12"), QStringLiteral("Bollo"),
              QStringLiteral("Ford"), QStringLiteral("Fiesta")},
             {QStringLiteral("08/03/2014"), QStringLiteral("40"), QStringLiteral("AB123CD"), QStringLiteral("Multa")}});
        app.openArea(kSelection);
        showSummary(app, {QStringLiteral("2014"), "01", "Gennaio", "31", "Dicembre", QStringLiteral("AB"),
                          QStringLiteral("boll")});
        QCOMPARE(viewText(app, QStringLiteral("lblConta")), QStringLiteral("2"));
        QCOMPARE(viewText(app, QStringLiteral("titTipologia")), QStringLiteral("AB"));
        const QStringList lines = listed(app);
        QCOMPARE(lines.size(), 3);
        // fiat before Ford; same make and model ordered by the date text.
        QVERIFY(lines[0].contains(QStringLiteral("Data: 05/03/2014")));
        QVERIFY(lines[1].contains(QStringLiteral("Data: 12/01/2014")));
        QVERIFY(lines[2].startsWith(QStringLiteral("Ford Fiesta")));
        QCOMPARE(lines[1], QStringLiteral("fiat Panda                    Targa: AB123CD     Data: 12/01/2014  Bollo"
                                          "                             A: ACI                           Costo: € 10,5"));
        QCOMPARE(viewText(app, QStringLiteral("lblTotCosti")), QStringLiteral("13,75"));
        QCOMPARE(viewText(app, QStringLiteral("lblIntervallo")), QStringLiteral("Dal   01/01/2014   al   31/12/2014"));
        QCOMPARE(app.screen(kView)->focusWidget(), app.control(kView, QStringLiteral("txtTrova")));
    }

    void view_noFilters_allPlates_mendedSkips() {
        AppHarness app;
        fixtures::writeDatedCosts(app.path(QStringLiteral("2014.eur")),
                            {{QStringLiteral("05/03/2014"), QStringLiteral("10,5")},
                             {QStringLiteral("31/02/2014"), QStringLiteral("100")},
                             {QStringLiteral("06/03/2014"), QStringLiteral("cento")},
                             {QStringLiteral("07/03/2014"), QStringLiteral("2")}});
        app.openArea(kSelection);
        showSummary(app, {QStringLiteral("2014"), "01", "Gennaio", "31", "Dicembre", {}, QStringLiteral("   ")});
        QCOMPARE(viewText(app, QStringLiteral("lblConta")), QStringLiteral("0"));
        QCOMPARE(viewText(app, QStringLiteral("titTipologia")), QStringLiteral("Tutte le targhe in archivio"));
        QCOMPARE(listed(app).size(), 2);
        QCOMPARE(viewText(app, QStringLiteral("lblTotCosti")), QStringLiteral("12,50"));
    }

    void view_unreadableFile_emptyWithDesignTexts() {
        AppHarness app;
        QDir(app.dir()).mkdir(QStringLiteral("2014.eur"));
        app.openArea(kSelection);
        showSummary(app, {});
        QVERIFY(app.dialogs().prompts().isEmpty());
        QVERIFY(listed(app).isEmpty());
        QCOMPARE(viewText(app, QStringLiteral("lblTotCosti")), QStringLiteral("0,00"));
        QCOMPARE(viewText(app, QStringLiteral("lblIntervallo")), QStringLiteral("Dal gg/mm/aaaa al gg/mm/aaaa"));
    }

    void find_emptyList_andLastKeyKeptForTheRun() {
        AppHarness app;
        app.openArea(kSelection);
        showSummary(app, {});
        AppHarness::click(app.control(kView, QStringLiteral("btnTrova")));
        AppHarness::click(app.control(kView, QStringLiteral("btnStampa")));
        QCOMPARE(app.dialogs().texts(),
                 (QStringList{QStringLiteral("Ricerca non applicabile: la lista non contiene nessuna voce."),
                              QStringLiteral("Operazione di stampa non applicabile: il riepilogo non contiene nessuna voce.")}));
        QCOMPARE(app.dialogs().prompts()[1].kind, QStringLiteral("warning"));
        QVERIFY(app.printing().jobs.isEmpty());
        AppHarness::click(app.control(kView, QStringLiteral("btnEsci")));

        fixtures::writeDatedCosts(app.path(QStringLiteral("2014.eur")),
                            {{QStringLiteral("05/03/2014"), QStringLiteral("1"), QStringLiteral("AB1")},
                             {QStringLiteral("06/03/2014"), QStringLiteral("1"), QStringLiteral("AB2")},
                             {QStringLiteral("07/03/2014"), QStringLiteral("1"), QStringLiteral("AB3")}});
        showSummary(app, {});
        auto* list = app.control<ResultList>(kView, QStringLiteral("lstRecords"));
        AppHarness::type(app.control(kView, QStringLiteral("txtTrova")), QStringLiteral("data: 0"));
        AppHarness::click(app.control(kView, QStringLiteral("btnTrova")));
        QCOMPARE(list->selectedRow(), 0);
        AppHarness::click(app.control(kView, QStringLiteral("btnEsci")));

        // A new opening remembers the key: the same key goes on after the row selected first.
        showSummary(app, {});
        list = app.control<ResultList>(kView, QStringLiteral("lstRecords"));
        AppHarness::type(app.control(kView, QStringLiteral("txtTrova")), QStringLiteral("data: 0"));
        AppHarness::click(app.control(kView, QStringLiteral("btnTrova")));
        QCOMPARE(list->selectedRow(), 1);
    }

    void print_titleRowsAndClosingLines() {
        AppHarness app;
        fixtures::writeDatedCosts(app.path(QStringLiteral("2014.eur")),
                            {{QStringLiteral("05/03/2014"), QStringLiteral("10,5"), QStringLiteral("AB123CD")},
                             {QStringLiteral("06/03/2014"), QStringLiteral("2"), QStringLiteral("AB123CD")}});
        app.openArea(kSelection);
        showSummary(app, {QStringLiteral("2014"), "01", "Marzo", "31", "Marzo", QStringLiteral("AB123CD"), {}});
        auto* print = app.control(kView, QStringLiteral("btnStampa"));
        app.dialogs().queue(false);
        AppHarness::click(print);
        QVERIFY(app.printing().jobs.isEmpty());
        app.dialogs().queue(true);
        AppHarness::click(print);
        QCOMPARE(app.dialogs().texts(), QStringList(2, QStringLiteral("Si vuole stampare il presente riepilogo?")));
        QCOMPARE(app.printing().jobs.size(), 1);

        const QStringList pages = pdf::pages(app.printing().jobs[0].pdf);
        QCOMPARE(pages.size(), 1);
        QStringList printed;
        for (const QString& line : pages[0].split(u'\n', Qt::SkipEmptyParts))
            printed << line.simplified();
        const QStringList lines = listed(app);
        QCOMPARE(printed,
                 (QStringList{QStringLiteral("Riepilogo costi sostenuti - Targa veicolo: AB123CD"),
                              lines[0].simplified(), lines[1].simplified(),
                              QStringLiteral("- - - - - - - - - - - - - - - -"),
                              QStringLiteral("INTERVALLO SELEZIONATO: Dal 01/03/2014 al 31/03/2014"),
                              QStringLiteral("TOTALE COSTI SOSTENUTI: € 12,50"),
                              QStringLiteral("Stampa eseguita in data 10/12/2026")}));
    }

    void platePick_opensVehicleSearchWithMark() {
        AppHarness app;
        app.openArea(kSelection);
        AppHarness::click(app.control(kSelection, QStringLiteral("impCliente")));
        QWidget* search = app.screen(QStringLiteral("frmTrovaAutomezzi"));
        QVERIFY(search);
        QCOMPARE(search->findChild<QLabel*>(QStringLiteral("lblMemory"))->text(), QStringLiteral("riepspese"));
        search->close();
    }
};

VESTRANO_TEST(SummaryScreensTest)
#include "summary_screens_test.moc"
