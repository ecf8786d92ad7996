#include "support/app_harness.h"
#include "support/expected_texts.h"
#include "support/cost_fixtures.h"
#include "support/pdf_reader.h"
#include "support/test_registry.h"

#include "costs/cost_list.h"
#include "costs/cost_search_screen.h"
#include "lists/result_list.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QPointer>
#include <QPushButton>

namespace {

using C = TSchedaCosto;
const QString kCosts = QStringLiteral("frmCosti");
const QString kUnpaid = QStringLiteral("frmDaSaldare");
const QString kSearch = QStringLiteral("frmTrovaCosti");
const QString kEmptyList = QStringLiteral("Ricerca non applicabile: la lista non contiene nessuna voce.");
const QString kAccess = expected_texts::accessFailure();

using Criteria = QList<std::pair<QString, QString>>;

QString yearPath(AppHarness& app) {
    return app.path(QStringLiteral("2014.eur"));
}

void openYear(AppHarness& app) {
    app.openCostYear(QStringLiteral("2014"));
}

// Opens a list screen from the cost entry screen's tool bar.
QWidget* openFromCosts(AppHarness& app, const QString& tool, const QString& screen) {
    openYear(app);
    AppHarness::click(app.control(kCosts, tool));
    QWidget* dialog = app.screen(screen);
    if (dialog)
        AppHarness::activate(dialog);
    return dialog;
}

ResultList* list(AppHarness& app, const QString& screen) {
    return app.control<ResultList>(screen, QStringLiteral("lstRecords"));
}

void search(AppHarness& app, const QList<std::pair<QString, QString>>& criteria) {
    for (const auto& [field, text] : criteria)
        app.control<QLineEdit>(kSearch, field)->setText(text);
    AppHarness::click(app.control(kSearch, QStringLiteral("btnCerca")));
}

void doubleClickRow(ResultList* list, int row) {
    QCoreApplication::processEvents();
    const QRect r = list->visualRect(list->model()->index(row, 0));
    QVERIFY(r.isValid());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, r.center());
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, r.center());
}

QString costText(AppHarness& app, const QString& name) {
    QWidget* w = app.control(kCosts, name);
    if (auto* e = qobject_cast<QLineEdit*>(w))
        return e->text();
    if (auto* c = qobject_cast<QComboBox*>(w))
        return c->currentText();
    return qobject_cast<QLabel*>(w)->text();
}

TSchedaCosto entry(const QString& tag, const QString& flag) {
    TSchedaCosto e = fixtures::costEntry(tag);
    e[C::Saldato] = flag;
    return e;
}

} // namespace

class CostListsTest : public QObject {
    Q_OBJECT
private slots:
    void row_format() {
        TSchedaCosto e = fixtures::costEntry(QStringLiteral("1"));
        e[C::Marca] = QStringLiteral("Mercedes-Benz");
        e[C::Modello] = QStringLiteral("Sprinter 316 CDI Furgone");
        e[C::Targa] = QStringLiteral("AB123CDEFGH");
        e[C::Causale] = QStringLiteral("Cambio olio");
        e[C::Beneficiario] = QStringLiteral("Officina Bianchi");
        e[C::Importo] = QStringLiteral("45,50");
        QCOMPARE(cost_list::row(e.encode()),
                 QStringLiteral("Mercedes-Benz Sprinter 316 C  Targa: AB123CDEFG  Data: 05/03/2014  Cambio olio"
                                "                       A: Officina Bianchi              Costo: € 45,50"));
    }

    void unpaid_listsOnlyEntriesWhoseFlagIsNo_data() {
        QTest::addColumn<QString>("flag");
        QTest::addColumn<bool>("listed");
        QTest::newRow("No") << "No" << true;
        QTest::newRow("Sì") << "Sì" << false;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("lower case") << "no" << false;
        QTest::newRow("other") << "X" << false;
    }
    void unpaid_listsOnlyEntriesWhoseFlagIsNo() {
        QFETCH(QString, flag);
        QFETCH(bool, listed);
        AppHarness app;
        fixtures::writeCosts(yearPath(app), {entry(QStringLiteral("b"), QStringLiteral("Sì")), entry(QStringLiteral("a"), flag),
                                             entry(QStringLiteral("c"), QStringLiteral("No"))});
        QVERIFY(openFromCosts(app, QStringLiteral("cmdSospese"), kUnpaid));
        QCOMPARE(app.screen(kUnpaid)->windowTitle(), QStringLiteral(" Riepilogo pagamenti da saldare"));
        QStringList expected;
        if (listed)
            expected.append(QStringLiteral("Marca a Modello a"));
        expected.append(QStringLiteral("Marca c Modello c"));
        QStringList got;
        for (const QString& row : list(app, kUnpaid)->texts())
            got.append(row.left(17));
        QCOMPARE(got, expected);
        QCOMPARE(AppHarness::focused(), app.control(kUnpaid, QStringLiteral("txtTrova")));
    }

    void unpaid_emptyYear_findSaysSo_andTheFileIsCreated() {
        AppHarness app;
        QVERIFY(openFromCosts(app, QStringLiteral("cmdSospese"), kUnpaid));
        QCOMPARE(list(app, kUnpaid)->count(), 0);
        QVERIFY(QFile::exists(yearPath(app)));
        AppHarness::type(app.control(kUnpaid, QStringLiteral("txtTrova")), QStringLiteral("fiat"));
        AppHarness::click(app.control(kUnpaid, QStringLiteral("btnTrova")));
        QCOMPARE(app.dialogs().texts(), QStringList{kEmptyList});
        QCOMPARE(app.dialogs().prompts().at(0).kind, QStringLiteral("message"));
    }

    void unpaid_unreadableYear_staysSilentAndEmpty() {
        AppHarness app;
        QDir().mkpath(yearPath(app));
        QVERIFY(openFromCosts(app, QStringLiteral("cmdSospese"), kUnpaid));
        QCOMPARE(list(app, kUnpaid)->count(), 0);
        QVERIFY(app.dialogs().prompts().isEmpty());
    }

    void unpaid_doubleClickLoadsTheLastOfEqualRows_andSavingOverwritesIt() {
        AppHarness app;
        TSchedaCosto first = entry(QStringLiteral("x"), QStringLiteral("No"));
        first[C::Note] = QStringLiteral("la prima");
        TSchedaCosto second = first;
        second[C::Note] = QStringLiteral("la seconda"); // differs only outside the row
        second[C::Luogo] = QStringLiteral("Forlì");
        fixtures::writeCosts(yearPath(app), {first, entry(QStringLiteral("y"), QStringLiteral("Sì")), second,
                                             entry(QStringLiteral("z"), QStringLiteral("Sì"))});
        QVERIFY(openFromCosts(app, QStringLiteral("cmdSospese"), kUnpaid));
        QCOMPARE(list(app, kUnpaid)->count(), 2);
        doubleClickRow(list(app, kUnpaid), 0);
        QVERIFY(!app.screen(kUnpaid));
        QCOMPARE(costText(app, QStringLiteral("lblPosizione")), QStringLiteral("3"));
        QCOMPARE(costText(app, QStringLiteral("txtNote")), QStringLiteral("la seconda"));
        QCOMPARE(costText(app, QStringLiteral("txtLuogo")), QStringLiteral("Forlì"));
        QCOMPARE(costText(app, QStringLiteral("lblAnno")), QStringLiteral("2014"));
        QCOMPARE(costText(app, QStringLiteral("lblData")), QStringLiteral("05/03/2014"));
        auto* paid = app.control<QCheckBox>(kCosts, QStringLiteral("chkSaldato"));
        QVERIFY(!paid->isChecked());

        // Typically: tick the paid box and save; the entry is written over in place.
        AppHarness::activate(app.screen(kCosts));
        paid->setChecked(true);
        AppHarness::click(app.control(kCosts, QStringLiteral("cmdSalva")));
        QCOMPARE(app.dialogs().texts(),
                 QStringList{QStringLiteral("Le modifiche apportate alla scheda corrente sono state salvate in archivio.")});
        const QList<TSchedaCosto> stored = fixtures::readCosts(yearPath(app));
        QCOMPARE(stored.size(), 4);
        QCOMPARE(stored[2][C::Saldato], C::paid());
        QCOMPARE(stored[2][C::Note], QStringLiteral("la seconda"));
        QCOMPARE(stored[0][C::Saldato], C::unpaid());

        // The list made again no longer holds it.
        AppHarness::click(app.control(kCosts, QStringLiteral("cmdSospese")));
        QCOMPARE(list(app, kUnpaid)->count(), 1);
    }

    void unpaid_doubleClickOnAVanishedFile_closesWithNothingLoaded() {
        AppHarness app;
        fixtures::writeCosts(yearPath(app), {entry(QStringLiteral("a"), QStringLiteral("No"))});
        QVERIFY(openFromCosts(app, QStringLiteral("cmdSospese"), kUnpaid));
        QFile::remove(yearPath(app));
        doubleClickRow(list(app, kUnpaid), 0);
        QVERIFY(!app.screen(kUnpaid));
        QCOMPARE(costText(app, QStringLiteral("lblPosizione")), QString());
        QCOMPARE(costText(app, QStringLiteral("txtMarca")), QString());
        QVERIFY(app.dialogs().prompts().isEmpty());
    }

    void print_titleRowsAndFooter_data() {
        QTest::addColumn<QString>("tool");
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QString>("title");
        QTest::addColumn<int>("entries");
        QTest::newRow("unpaid list") << "cmdSospese" << kUnpaid << "Riepilogo pagamenti da saldare" << 2;
        QTest::newRow("unpaid list, empty") << "cmdSospese" << kUnpaid << "Riepilogo pagamenti da saldare" << 0;
        QTest::newRow("cost search") << "cmdTrova" << kSearch << "Riepilogo costi sostenuti" << 2;
    }
    void print_titleRowsAndFooter() {
        QFETCH(QString, tool);
        QFETCH(QString, screen);
        QFETCH(QString, title);
        QFETCH(int, entries);
        AppHarness app;
        QList<TSchedaCosto> stored;
        for (int i = entries; i > 0; --i)
            stored.append(entry(QString::number(i), QStringLiteral("No")));
        fixtures::writeCosts(yearPath(app), stored);
        QVERIFY(openFromCosts(app, tool, screen));
        if (screen == kSearch)
            search(app, {});
        AppHarness::click(app.control(screen, QStringLiteral("btnStampa")));
        QCOMPARE(app.printing().jobs.size(), 1);
        QStringList lines;
        for (const QString& l : pdf::pages(app.printing().jobs[0].pdf).join(u'\n').split(u'\n', Qt::SkipEmptyParts))
            lines.append(l.simplified());
        QStringList expected{title};
        for (const QString& r : list(app, screen)->texts())
            expected.append(r.simplified());
        expected.append(QStringLiteral("Stampa eseguita in data 10/12/2026"));
        QCOMPARE(lines, expected);
        if (entries)
            QVERIFY(expected[1].startsWith(QStringLiteral("Marca 1 Modello 1 Targa: TG1")));
    }

    void search_criteria_data() {
        QTest::addColumn<Criteria>("criteria");
        QTest::addColumn<int>("set");
        QTest::addColumn<QStringList>("found"); // by plate, in list order (by make: Fiat first)
        using P = Criteria;
        QTest::newRow("no criterion lists every entry") << P{} << 0 << QStringList{"TG2", "TG1", "TG3", "TG4"};
        QTest::newRow("olio") << P{{"txtCausale", "olio"}} << 1 << QStringList{"TG1", "TG3"};
        QTest::newRow("OLIO") << P{{"txtCausale", "OLIO"}} << 1 << QStringList{"TG1", "TG3"};
        QTest::newRow("olio with a trailing blank") << P{{"txtCausale", "olio "}} << 1 << QStringList{};
        QTest::newRow("blanks only do not count") << P{{"txtCausale", "   "}} << 0
                                                  << QStringList{"TG2", "TG1", "TG3", "TG4"};
        QTest::newRow("month and year") << P{{"txtData", "03/2014"}} << 1 << QStringList{"TG2", "TG1"};
        QTest::newRow("any March") << P{{"txtData", "/03/"}} << 1 << QStringList{"TG2", "TG1", "TG4"};
        QTest::newRow("criteria combine with and") << P{{"txtData", "/03/"}, {"txtCausale", "olio"}} << 2
                                                   << QStringList{"TG1"};
        QTest::newRow("three criteria") << P{{"txtTarga", "tg"}, {"txtBeneficiario", "gino"}, {"txtNote", "urgente"}}
                                        << 3 << QStringList{"TG3"};
        QTest::newRow("every field") << P{{"txtConducente", "rossi"}, {"txtPagatore", "spa"}, {"txtMarca", "fiat"},
                                          {"txtModello", "panda"}, {"txtDescrizione", "filtri"}}
                                     << 5 << QStringList{"TG2"};
        QTest::newRow("an accented letter matches only itself") << P{{"txtNote", "URGENTE À"}} << 1 << QStringList{};
    }
    void search_criteria() {
        QFETCH(Criteria, criteria);
        QFETCH(int, set);
        QFETCH(QStringList, found);
        AppHarness app;
        auto make = [](const QString& tag, const QString& date, const QString& reason) {
            TSchedaCosto e = fixtures::costEntry(tag);
            e[C::Data] = date;
            e[C::Causale] = reason;
            return e;
        };
        TSchedaCosto e1 = make(QStringLiteral("1"), QStringLiteral("05/03/2014"), QStringLiteral("Cambio olio"));
        TSchedaCosto e2 = make(QStringLiteral("2"), QStringLiteral("17/03/2014"), QStringLiteral("Tagliando"));
        e2[C::Conducente] = QStringLiteral("Mario Rossi");
        e2[C::Pagatore] = QStringLiteral("Trasporti SpA");
        e2[C::Marca] = QStringLiteral("Fiat 2");
        e2[C::Modello] = QStringLiteral("Panda 2");
        e2[C::Descrizione] = QStringLiteral("Cambio filtri");
        TSchedaCosto e3 = make(QStringLiteral("3"), QStringLiteral("02/04/2014"), QStringLiteral("Cambio olio"));
        e3[C::Beneficiario] = QStringLiteral("Officina Da Gino");
        e3[C::Note] = QStringLiteral("Urgente à");
        TSchedaCosto e4 = make(QStringLiteral("4"), QStringLiteral("09/03/2013"), QStringLiteral("Bollo"));
        fixtures::writeCosts(yearPath(app), {e4, e3, e2, e1});
        QVERIFY(openFromCosts(app, QStringLiteral("cmdTrova"), kSearch));
        QCOMPARE(app.control<QLabel>(kSearch, QStringLiteral("lblMemory"))->text(), QStringLiteral("Costi"));
        search(app, criteria);
        QCOMPARE(app.control<QLabel>(kSearch, QStringLiteral("lblConta"))->text(), QString::number(set));
        QStringList plates;
        for (const QString& row : list(app, kSearch)->texts())
            plates.append(row.mid(37, 10).trimmed());
        QCOMPARE(plates, found);
        QCOMPARE(app.control<QLabel>(kSearch, QStringLiteral("lblTrovate"))->text(),
                 QStringLiteral("Il presente elenco contiene %1 schede.").arg(found.size()));
        QVERIFY(app.control(kSearch, QStringLiteral("panContainer"))->isVisible());
        QVERIFY(!app.control(kSearch, QStringLiteral("panAvvio"))->isVisible());
        QCOMPARE(AppHarness::focused(), app.control(kSearch, QStringLiteral("txtTrova")));
    }

    void search_showsItsCriteriaFirst_andTheWaitLineOnPress() {
        AppHarness app;
        QVERIFY(openFromCosts(app, QStringLiteral("cmdTrova"), kSearch));
        QCOMPARE(app.screen(kSearch)->windowTitle(), QStringLiteral(" Trova costi sostenuti in archivio"));
        QCOMPARE(AppHarness::focused(), app.control(kSearch, QStringLiteral("txtData")));
        QVERIFY(app.control(kSearch, QStringLiteral("effCampo01"))->isVisible());
        QCOMPARE(app.control<QLabel>(kSearch, QStringLiteral("lblTrovate"))->text(),
                 QStringLiteral("Il presente riepilogo contiene 0 schede"));
        // Return goes round the ten fields.
        const QStringList order{"txtData",     "txtCausale", "txtConducente", "txtPagatore",    "txtBeneficiario",
                                "txtTarga",    "txtMarca",   "txtModello",    "txtDescrizione", "txtNote"};
        for (qsizetype i = 0; i < order.size(); ++i) {
            AppHarness::press(app.control(kSearch, order[i]), Qt::Key_Return);
            QCOMPARE(AppHarness::focused(), app.control(kSearch, order[(i + 1) % order.size()]));
        }
        QWidget* wait = app.control(kSearch, QStringLiteral("lblAttendere"));
        QVERIFY(!wait->isVisible());
        auto* cerca = app.control<QPushButton>(kSearch, QStringLiteral("btnCerca"));
        QTest::mousePress(cerca, Qt::LeftButton, Qt::NoModifier, cerca->rect().center());
        QVERIFY(wait->isVisible());
        QTest::mouseRelease(cerca, Qt::LeftButton, Qt::NoModifier, cerca->rect().center());
        // Without a file: created empty, nothing listed.
        QVERIFY(QFile::exists(yearPath(app)));
        QCOMPARE(app.control<QLabel>(kSearch, QStringLiteral("lblTrovate"))->text(),
                 QStringLiteral("Il presente elenco contiene 0 schede."));
        AppHarness::click(app.control(kSearch, QStringLiteral("btnTrova")));
        QCOMPARE(app.dialogs().texts(), QStringList{kEmptyList});
    }

    void closingAnyWay_destroysTheWindow_data() {
        QTest::addColumn<QString>("tool");
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QString>("how");
        QTest::newRow("unpaid, Chiudi") << "cmdSospese" << kUnpaid << "btnChiudi";
        QTest::newRow("unpaid, Escape") << "cmdSospese" << kUnpaid << "Escape";
        QTest::newRow("search, Chiudi on the criteria") << "cmdTrova" << kSearch << "btnAnnulla";
        QTest::newRow("search, Chiudi on the results") << "cmdTrova" << kSearch << "btnChiudi";
        QTest::newRow("search, Escape") << "cmdTrova" << kSearch << "Escape";
    }
    void closingAnyWay_destroysTheWindow() {
        QFETCH(QString, tool);
        QFETCH(QString, screen);
        QFETCH(QString, how);
        AppHarness app;
        fixtures::writeCosts(yearPath(app), {entry(QStringLiteral("a"), QStringLiteral("No"))});
        QPointer<QWidget> dialog = openFromCosts(app, tool, screen);
        QVERIFY(dialog);
        if (screen == kSearch && how != QLatin1String("btnAnnulla"))
            search(app, {});
        if (how == QLatin1String("Escape"))
            AppHarness::press(AppHarness::focused(), Qt::Key_Escape);
        else
            AppHarness::click(app.control(screen, how));
        QVERIFY(!app.screen(screen));
        QTRY_VERIFY(dialog.isNull());
        QCOMPARE(costText(app, QStringLiteral("lblPosizione")), QString());
        QVERIFY(app.dialogs().prompts().isEmpty());
    }

    void search_unreadableYear_saysSoAndKeepsTheCriteria() {
        AppHarness app;
        QDir().mkpath(yearPath(app));
        QVERIFY(openFromCosts(app, QStringLiteral("cmdTrova"), kSearch));
        search(app, {{QStringLiteral("txtMarca"), QStringLiteral("fiat")}});
        QCOMPARE(app.dialogs().prompts().size(), 1);
        QCOMPARE(app.dialogs().prompts().at(0).kind, QStringLiteral("message"));
        QCOMPARE(app.dialogs().prompts().at(0).text, kAccess);
        QVERIFY(app.control(kSearch, QStringLiteral("panAvvio"))->isVisible());
        QVERIFY(!app.control(kSearch, QStringLiteral("panContainer"))->isVisible());
        QVERIFY(!app.control(kSearch, QStringLiteral("lblAttendere"))->isVisible());
    }

    // Only the cost entry screen takes the chosen entry; a search opened by another screen
    // and left unheard closes without touching it.
    void search_handsOverToTheCostScreenThatOpenedIt_data() {
        QTest::addColumn<bool>("fromCosts");
        QTest::newRow("opened by the cost screen") << true;
        QTest::newRow("opened by another screen") << false;
    }
    void search_handsOverToTheCostScreenThatOpenedIt() {
        QFETCH(bool, fromCosts);
        AppHarness app;
        fixtures::writeCosts(yearPath(app), {entry(QStringLiteral("a"), QStringLiteral("Sì")),
                                             entry(QStringLiteral("b"), QStringLiteral("No"))});
        if (fromCosts) {
            QVERIFY(openFromCosts(app, QStringLiteral("cmdTrova"), kSearch));
        } else {
            openYear(app);
            auto* dialog = new CostSearchScreen(app.context(), app.screen(QStringLiteral("frmAvvio")),
                                                QStringLiteral("costi"), yearPath(app));
            dialog->present();
            AppHarness::activate(dialog);
        }
        search(app, {{QStringLiteral("txtMarca"), QStringLiteral("b")}});
        doubleClickRow(list(app, kSearch), 0);
        QVERIFY(!app.screen(kSearch));
        QCOMPARE(costText(app, QStringLiteral("lblPosizione")), fromCosts ? QStringLiteral("2") : QString());
        QCOMPARE(costText(app, QStringLiteral("txtMarca")), fromCosts ? QStringLiteral("Marca b") : QString());
    }
};

VESTRANO_TEST(CostListsTest)
#include "cost_lists_test.moc"
