#include "support/app_harness.h"
#include "support/expected_texts.h"
#include "support/pdf_reader.h"
#include "support/test_registry.h"

#include "lists/result_list.h"
#include "vehicle_output/vehicle_search.h"
#include "vehicle_output/vehicle_search_screen.h"
#include "ui/picture_box.h"
#include "vehicles/vehicle_file.h"
#include "vehicles/vehicle_photo.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QPointer>
#include <QPushButton>

namespace {

using F = TSchedaVeicolo;
const QString kSearch = QStringLiteral("frmTrovaAutomezzi");
const QString kCard = QStringLiteral("frmAutoparco");
const QString kAccess = expected_texts::accessFailure();

F card(const QString& tipo, const QString& marca, const QString& modello, const QString& targa,
       std::initializer_list<std::pair<F::Field, QString>> more = {}) {
    F c = fixtures::vehicle({{F::Tipo, tipo}, {F::Marca, marca}, {F::Modello, modello}, {F::Targa, targa}});
    for (const auto& [f, v] : more)
        c[f] = v;
    return c;
}

// Opens the search from the card screen, as the user does.
QWidget* openSearchFromCard(AppHarness& app) {
    app.openArea(kCard);
    AppHarness::click(app.control(kCard, QStringLiteral("cmdTrova")));
    QWidget* search = app.screen(kSearch);
    AppHarness::activate(search);
    return search;
}

// Opens the search from another screen's tool that calls it up.
QWidget* openSearchFrom(AppHarness& app, const QString& opener, const QString& tool) {
    AppHarness::click(app.control(opener, tool));
    QWidget* search = app.screen(kSearch);
    AppHarness::activate(search);
    return search;
}

ResultList* list(AppHarness& app) {
    return app.control<ResultList>(kSearch, QStringLiteral("lstRecords"));
}

void searchFor(AppHarness& app, const QList<std::pair<QString, QString>>& criteria) {
    for (const auto& [field, text] : criteria)
        app.control<QLineEdit>(kSearch, field)->setText(text);
    AppHarness::click(app.control(kSearch, QStringLiteral("btnCerca")));
}

void doubleClickRow(ResultList* list, int row) {
    QCoreApplication::processEvents(); // the list lays its items out
    const QRect r = list->visualRect(list->model()->index(row, 0));
    QVERIFY(r.isValid());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, r.center());
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, r.center());
}

} // namespace

class VehicleSearchTest : public QObject {
    Q_OBJECT
private slots:
    void criteria_data() {
        QTest::addColumn<int>("criterion"); // index in the screen's order
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<int>("setCount");
        QTest::addColumn<bool>("matches");
        QTest::newRow("substring") << 2 << "ia" << "Fiat" << 1 << true;
        QTest::newRow("case of A-Z") << 2 << "FIAT" << "fiat" << 1 << true;
        QTest::newRow("blank criterion is not set") << 2 << "   " << "Fiat" << 0 << true;
        QTest::newRow("empty criterion is not set") << 2 << "" << "Fiat" << 0 << true;
        QTest::newRow("leading blank kept: inside") << 2 << " fiat" << "Gruppo Fiat" << 1 << true;
        QTest::newRow("leading blank kept: at the start") << 2 << " fiat" << "Fiat" << 1 << false;
        QTest::newRow("trailing blank kept") << 2 << "Fiat " << "Fiat" << 1 << false;
        QTest::newRow("accented capital matches itself") << 9 << "PERCHÉ" << "perché no" << 1 << false;
        QTest::newRow("accented capital, same letter") << 9 << "PERCHÉ" << "perchÉ no" << 1 << true;
        QTest::newRow("other field not searched") << 4 << "Fiat" << "Fiat" << 1 << false;
        QTest::newRow("note field") << 9 << "tagliando" << "Fatto il TAGLIANDO" << 1 << true;
        QTest::newRow("character outside the code page") << 2 << "Ж" << "Fiat ?" << 1 << false;
    }
    void criteria() {
        QFETCH(int, criterion);
        QFETCH(QString, typed);
        QFETCH(QString, stored);
        QFETCH(int, setCount);
        QFETCH(bool, matches);
        std::array<QString, 10> texts;
        texts[static_cast<std::size_t>(criterion)] = typed;
        const vehicle_search::Criteria criteria(texts);
        QCOMPARE(criteria.setCount(), setCount);
        // The stored value always goes into the field of the Marca criterion (index 2) or the notes.
        F c;
        c[criterion == 9 ? F::Note : F::Marca] = stored;
        QCOMPARE(criteria.matches(c.encode()), matches);
    }

    void criteria_everySetOneMustMatch() {
        std::array<QString, 10> texts;
        texts[2] = QStringLiteral("fiat");
        texts[8] = QStringLiteral("rossi");
        const vehicle_search::Criteria criteria(texts);
        QCOMPARE(criteria.setCount(), 2);
        QVERIFY(criteria.matches(card("Auto", "Fiat", "Panda", "AB", {{F::Proprietario, "Mario Rossi"}}).encode()));
        QVERIFY(!criteria.matches(card("Auto", "Fiat", "Panda", "AB", {{F::Proprietario, "Bianchi"}}).encode()));
        QVERIFY(!criteria.matches(card("Auto", "Ford", "Ka", "AB", {{F::Proprietario, "Rossi"}}).encode()));
    }

    void row_data() {
        QTest::addColumn<F>("record");
        QTest::addColumn<QString>("row");
        QTest::newRow("padded columns")
            << card("Autovettura", "Fiat", "Panda", "AB123CD",
                    {{F::Proprietario, "Rossi"}, {F::Anno, "2019"}, {F::Chilometri, "120000"}})
            << "Autovettura           Fiat Panda                      Targa: AB123CD       Titolare: Rossi    "
               "                       Anno: 2019        Km: 120000";
        QTest::newRow("cut columns, last column free")
            << card("Veicolo per trasporto merci", "Mercedes-Benz", "Sprinter 316 CDI Furgone", "ABCDEFGHIJKLMN",
                    {{F::Proprietario, "Società Trasporti Riuniti del Nord"},
                     {F::Anno, "01/02/2003 circa"},
                     {F::Chilometri, "  oltre 300.000 km, da verificare"}})
            << "Veicolo per trasport  Mercedes-Benz Sprinter 316 CDI  Targa: ABCDEFGHIJKL  Titolare: Società Traspor"
               "ti Riuniti del   Anno: 01/02/2003  Km: oltre 300.000 km, da verificare";
        QTest::newRow("blank Marca") << card("Moto", "", "Vespa", "X1")
                                     << "Moto                   Vespa                          Targa:"
                                        " X1            Titolare:                                 Anno:             Km: ";
    }
    void row() {
        QFETCH(F, record);
        QFETCH(QString, row);
        QCOMPARE(vehicle_search::row(record.encode()), row);
    }

    void search_listsSortedRows_countsAndSwitchesPanel() {
        AppHarness app;
        fixtures::writeVehicles(app.dir(), {card("Furgone", "Ford", "Transit", "F1"),
                                            card("autovettura", "Fiat", "Panda", "A1"),
                                            card("Autovettura", "Alfa", "Giulia", "A2"),
                                            card("Motociclo", "Ducati", "Monster", "M1")});
        QWidget* search = openSearchFromCard(app);
        QVERIFY(search);
        QCOMPARE(search->windowTitle(), QStringLiteral(" Trova schede veicoli in archivio"));
        QCOMPARE(app.control<QLabel>(kSearch, QStringLiteral("lblMemory"))->text(), QStringLiteral("autoparco"));
        QCOMPARE(AppHarness::focused(), app.control(kSearch, QStringLiteral("txtTipo")));
        searchFor(app, {{QStringLiteral("txtTipo"), QStringLiteral("o")}});
        QCOMPARE(app.control<QLabel>(kSearch, QStringLiteral("lblConta"))->text(), QStringLiteral("1"));
        QStringList tipi;
        for (const QString& r : list(app)->texts())
            tipi.append(r.left(20).trimmed() + u'/' + r.mid(22, 30).trimmed());
        QCOMPARE(tipi, (QStringList{"Autovettura/Alfa Giulia", "autovettura/Fiat Panda", "Furgone/Ford Transit",
                                    "Motociclo/Ducati Monster"}));
        QCOMPARE(app.control<QLabel>(kSearch, QStringLiteral("lblTrovate"))->text(),
                 QStringLiteral("Il presente riepilogo contiene 4 schede"));
        QVERIFY(app.control(kSearch, QStringLiteral("panContainer"))->isVisible());
        QVERIFY(!app.control(kSearch, QStringLiteral("panAvvio"))->isVisible());
        QVERIFY(!app.control(kSearch, QStringLiteral("lblAttendere"))->isVisible());
        QCOMPARE(AppHarness::focused(), app.control(kSearch, QStringLiteral("txtTrova")));
        QCOMPARE(list(app)->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);

        // Two criteria: both must hold.
        AppHarness::click(app.control(kSearch, QStringLiteral("btnChiudi")));
        QVERIFY(!app.screen(kSearch));
        openSearchFromCard(app);
        searchFor(app, {{QStringLiteral("txtTipo"), QStringLiteral("AUTO")}, {QStringLiteral("txtMarca"), QStringLiteral("fi")}});
        QCOMPARE(app.control<QLabel>(kSearch, QStringLiteral("lblConta"))->text(), QStringLiteral("2"));
        QCOMPARE(list(app)->count(), 1);
        QCOMPARE(app.control<QLabel>(kSearch, QStringLiteral("lblTrovate"))->text(),
                 QStringLiteral("Il presente riepilogo contiene 1 schede"));
    }

    void search_missingFile_isCreatedAndListsNothing() {
        AppHarness app;
        openSearchFromCard(app);
        searchFor(app, {});
        QVERIFY(QFile::exists(VehicleFile::pathIn(app.dir())));
        QCOMPARE(list(app)->count(), 0);
        QCOMPARE(app.control<QLabel>(kSearch, QStringLiteral("lblTrovate"))->text(),
                 QStringLiteral("Il presente riepilogo contiene 0 schede"));
        QVERIFY(app.dialogs().prompts().isEmpty());
        AppHarness::click(app.control(kSearch, QStringLiteral("btnTrova")));
        QCOMPARE(app.dialogs().texts(),
                 QStringList{QStringLiteral("Ricerca non applicabile: la lista non contiene nessuna voce.")});
    }

    void search_fileCannotBeOpened_saysSoAndStaysOnCriteria() {
        AppHarness app;
        QDir(app.dir()).mkdir(QLatin1String(VehicleFile::kFileName));
        openSearchFromCard(app);
        searchFor(app, {{QStringLiteral("txtTarga"), QStringLiteral("AB")}});
        QCOMPARE(app.dialogs().prompts().size(), 1);
        QCOMPARE(app.dialogs().prompts().first().kind, QStringLiteral("error"));
        QCOMPARE(app.dialogs().prompts().first().text, kAccess);
        QVERIFY(app.control(kSearch, QStringLiteral("panAvvio"))->isVisible());
        QVERIFY(!app.control(kSearch, QStringLiteral("panContainer"))->isVisible());
        QVERIFY(!app.control(kSearch, QStringLiteral("lblAttendere"))->isVisible());
    }

    void closingAnyWay_destroysTheScreen_data() {
        QTest::addColumn<QString>("how");
        QTest::newRow("Chiudi on the criteria") << "btnAnnulla";
        QTest::newRow("Chiudi on the results") << "btnChiudi";
        QTest::newRow("Escape") << "Escape";
    }
    void closingAnyWay_destroysTheScreen() {
        QFETCH(QString, how);
        AppHarness app;
        fixtures::writeVehicles(app.dir(), {card("Auto", "Fiat", "Panda", "A1")});
        QPointer<QWidget> search = openSearchFromCard(app);
        if (how != QLatin1String("btnAnnulla"))
            searchFor(app, {});
        if (how == QLatin1String("Escape"))
            AppHarness::press(AppHarness::focused(), Qt::Key_Escape);
        else
            AppHarness::click(app.control(kSearch, how));
        QVERIFY(!app.screen(kSearch));
        QTRY_VERIFY(search.isNull());
        QVERIFY(app.dialogs().prompts().isEmpty());
        QCOMPARE(app.control<QLineEdit>(kCard, QStringLiteral("txtTipo"))->text(), QString());
    }

    void criteriaFields_returnWalksTheTableAndShowsTheFrame() {
        AppHarness app;
        openSearchFromCard(app);
        const QStringList order{"txtTipo", "txtDestinazione", "txtMarca", "txtModello", "txtTarga",
                                "txtStato", "txtAutista", "txtMeccanico", "txtProprietario", "txtNote", "txtTipo"};
        for (qsizetype i = 0; i + 1 < order.size(); ++i) {
            QCOMPARE(AppHarness::focused()->objectName(), order[i]);
            AppHarness::press(AppHarness::focused(), Qt::Key_Return);
        }
        QVERIFY(app.control(kSearch, QStringLiteral("effCampo01"))->isVisible());
        QVERIFY(!app.control(kSearch, QStringLiteral("effCampo04"))->isVisible());
        QCOMPARE(app.control(kSearch, QStringLiteral("effCampo01"))->size(), QSize(328, 30));
    }

    void handOver_autoparco_fillsTheCardWithTheLastEqualRecord() {
        AppHarness app;
        // Cards 2 and 3 differ only beyond the cut of the owner's column: one row for both.
        const QString owner = QStringLiteral("Società Trasporti Riuniti del Nord");
        F first = card("Furgone", "Ford", "Transit", "F1", {{F::Proprietario, owner + " Est"}, {F::Note, "one"}});
        F second = first;
        second[F::Proprietario] = owner + QStringLiteral(" Ovest");
        second[F::Note] = QStringLiteral("two");
        second[F::File01] = QStringLiteral("libretto.pdf");
        fixtures::writeVehicles(app.dir(), {card("Auto", "Fiat", "Uno", "A1"), first, second});
        QImage photo(64, 48, QImage::Format_RGB32);
        photo.fill(Qt::red);
        QVERIFY(vehicle_photo::saveCard(app.dir(), QStringLiteral("3"), photo));
        openSearchFromCard(app);
        searchFor(app, {});
        QCOMPARE(list(app)->count(), 3);
        QCOMPARE(list(app)->texts()[1], list(app)->texts()[2]);
        doubleClickRow(list(app), 2);
        QVERIFY(!app.screen(kSearch));
        QCOMPARE(app.control<QLabel>(kCard, QStringLiteral("lblPosizione"))->text(), QStringLiteral("3"));
        QCOMPARE(app.control<QLineEdit>(kCard, QStringLiteral("txtNote"))->text(), QStringLiteral("two"));
        QCOMPARE(app.control<QLineEdit>(kCard, QStringLiteral("txtProprietario"))->text(), owner + QStringLiteral(" Ovest"));
        QCOMPARE(app.control<QLabel>(kCard, QStringLiteral("lblFile01"))->text(), QStringLiteral("libretto.pdf"));
        const QImage shown = app.control<PictureBox>(kCard, QStringLiteral("imgFoto"))->picture();
        QCOMPARE(shown.size(), photo.size()); // the photo of card 3, not the placeholder
        QVERIFY(qRed(shown.pixel(10, 10)) > 200 && qGreen(shown.pixel(10, 10)) < 60);
        QVERIFY(app.dialogs().prompts().isEmpty());
    }

    void handOver_costi_writesTheSixVehicleFields() {
        AppHarness app;
        fixtures::writeVehicles(app.dir(), {card("Autovettura", "Fiat", "Panda", "AB123CD",
                                                 {{F::Colore, "Rosso"}, {F::Alimentazione, "Benzina"},
                                                  {F::Autista, "Mario"}})});
        QVERIFY(app.openCostYear(QStringLiteral("2014")));
        QVERIFY(openSearchFrom(app, QStringLiteral("frmCosti"), QStringLiteral("cmdImporta")));
        QCOMPARE(app.control<QLabel>(kSearch, QStringLiteral("lblMemory"))->text(), QStringLiteral("costi"));
        searchFor(app, {});
        doubleClickRow(list(app), 0);
        QVERIFY(!app.screen(kSearch));
        QStringList got;
        for (const char* name : {"txtVeicolo", "txtMarca", "txtModello", "txtColore", "txtAlimentazione", "txtTarga",
                                 "txtConducente"}) {
            QWidget* field = app.control(QStringLiteral("frmCosti"), QString::fromLatin1(name));
            auto* combo = qobject_cast<QComboBox*>(field);
            got.append(combo ? combo->currentText() : qobject_cast<QLineEdit*>(field)->text());
        }
        QCOMPARE(got, (QStringList{"Autovettura", "Fiat", "Panda", "Rosso", "Benzina", "AB123CD", ""}));
        QCOMPARE(app.control<QLabel>(kCard, QStringLiteral("lblPosizione"))->text(), QString());
    }

    void handOver_riepspese_writesOnlyThePlate() {
        AppHarness app;
        fixtures::writeVehicles(app.dir(), {card("Autovettura", "Fiat", "Panda", "AB123CD")});
        app.openArea(QStringLiteral("frmMenuRiepSpese"));
        auto* plate = app.control<QLineEdit>(QStringLiteral("frmMenuRiepSpese"), QStringLiteral("txtTipologia"));
        QVERIFY(openSearchFrom(app, QStringLiteral("frmMenuRiepSpese"), QStringLiteral("impCliente")));
        searchFor(app, {});
        list(app)->setFocus();
        list(app)->selectRow(0);
        AppHarness::press(list(app), Qt::Key_Return); // the keyboard's double-click
        QVERIFY(!app.screen(kSearch));
        QCOMPARE(plate->text(), QStringLiteral("AB123CD"));
        QCOMPARE(app.control<QLineEdit>(kCard, QStringLiteral("txtTarga"))->text(), QString());
    }

    // An opener that takes nothing: the row still closes the search, silently.
    void handOver_toAnOpenerThatTakesNothing_writesNothingAndCloses() {
        AppHarness app;
        fixtures::writeVehicles(app.dir(), {card("Autovettura", "Fiat", "Panda", "AB123CD")});
        app.startAtMainMenu();
        auto* search = new VehicleSearchScreen(app.context(), app.screen(QStringLiteral("frmAvvio")),
                                               QStringLiteral("Autoparco"), {});
        search->present();
        AppHarness::activate(search);
        searchFor(app, {});
        doubleClickRow(list(app), 0);
        QVERIFY(!app.screen(kSearch));
        QCOMPARE(app.control<QLineEdit>(kCard, QStringLiteral("txtTarga"))->text(), QString());
        QVERIFY(app.dialogs().prompts().isEmpty());
    }

    void handOver_noRowSelectedOrNoFile_closesSilently() {
        AppHarness app;
        fixtures::writeVehicles(app.dir(), {card("Autovettura", "Fiat", "Panda", "AB123CD")});
        auto* search = static_cast<VehicleSearchScreen*>(openSearchFromCard(app));
        searchFor(app, {});
        list(app)->selectRow(-1);
        search->handOver();
        QVERIFY(!app.screen(kSearch));
        QCOMPARE(app.control<QLabel>(kCard, QStringLiteral("lblPosizione"))->text(), QString());

        search = static_cast<VehicleSearchScreen*>(openSearchFromCard(app));
        searchFor(app, {});
        list(app)->selectRow(0);
        QFile::remove(VehicleFile::pathIn(app.dir()));
        QDir(app.dir()).mkdir(QLatin1String(VehicleFile::kFileName));
        search->handOver();
        QVERIFY(!app.screen(kSearch));
        QCOMPARE(app.control<QLabel>(kCard, QStringLiteral("lblPosizione"))->text(), QString());
        QVERIFY(app.dialogs().prompts().isEmpty());
    }

    void findInResults_andReopeningForgetsTheLastText() {
        AppHarness app;
        fixtures::writeVehicles(app.dir(), {card("Auto", "Fiat", "Panda", "A1"), card("Auto", "Fiat", "Uno", "A2"),
                                            card("Moto", "Ducati", "Monster", "M1")});
        openSearchFromCard(app);
        searchFor(app, {});
        auto* field = app.control<QLineEdit>(kSearch, QStringLiteral("txtTrova"));
        AppHarness::type(field, QStringLiteral("fiat"));
        AppHarness::press(field, Qt::Key_Return);
        QCOMPARE(AppHarness::focused(), app.control(kSearch, QStringLiteral("btnTrova")));
        AppHarness::click(app.control(kSearch, QStringLiteral("btnTrova")));
        QCOMPARE(list(app)->selectedRow(), 0);
        AppHarness::click(app.control(kSearch, QStringLiteral("btnTrova")));
        QCOMPARE(list(app)->selectedRow(), 1);
        AppHarness::click(app.control(kSearch, QStringLiteral("btnTrova")));
        QCOMPARE(list(app)->selectedRow(), 0);
        AppHarness::click(app.control(kSearch, QStringLiteral("btnChiudi")));

        // A fresh opening has forgotten "fiat": the first press looks from the top again.
        openSearchFromCard(app);
        searchFor(app, {});
        list(app)->selectRow(1);
        app.control<QLineEdit>(kSearch, QStringLiteral("txtTrova"))->setText(QStringLiteral("fiat"));
        AppHarness::click(app.control(kSearch, QStringLiteral("btnTrova")));
        QCOMPARE(list(app)->selectedRow(), 0);
    }

    void print_handsTheTitleAndTheRowsInListOrder() {
        AppHarness app;
        fixtures::writeVehicles(app.dir(), {card("Moto", "Ducati", "Monster", "M1"), card("Auto", "Fiat", "Panda", "A1")});
        openSearchFromCard(app);
        searchFor(app, {});
        AppHarness::click(app.control(kSearch, QStringLiteral("btnStampa")));
        QCOMPARE(app.printing().jobs.size(), 1);
        QStringList lines;
        for (const QString& l : pdf::pages(app.printing().jobs[0].pdf).join(u'\n').split(u'\n', Qt::SkipEmptyParts))
            lines.append(l.simplified());
        QStringList expected{QStringLiteral("Riepilogo schede veicoli in archivio")};
        for (const QString& r : list(app)->texts())
            expected.append(r.simplified());
        expected.append(QStringLiteral("Stampa eseguita in data 10/12/2026"));
        QCOMPARE(lines, expected);
        QVERIFY(expected[1].startsWith(QStringLiteral("Auto Fiat Panda")));
    }
};

VESTRANO_TEST(VehicleSearchTest)
#include "vehicle_search_test.moc"
