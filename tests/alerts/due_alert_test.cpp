#include "support/app_harness.h"
#include "support/test_registry.h"

#include "alerts/due_table_model.h"
#include "vehicles/vehicle_file.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTableView>

namespace {

using F = TSchedaVeicolo;
const QString kAlert = QStringLiteral("frmPromemoriaScadenze");

// A card "P<n>", Fiat Ducato, with its four deadlines given as "revisione|tagliando|assicurazione|bollo".
F card(int n, const QString& deadlines) {
    F c = fixtures::vehicle({{F::Tipo, "Furgone"}, {F::Marca, "Fiat"}, {F::Modello, "Ducato"},
                             {F::Targa, QStringLiteral("P%1").arg(n)}});
    const QStringList dates = deadlines.split(u'|');
    const F::Field fields[] = {F::ScadRevisione, F::ScadTagliando, F::ScadAssicurazione, F::ScadBollo};
    for (int i = 0; i < dates.size(); ++i)
        c[fields[i]] = dates[i];
    return c;
}

void logIn(AppHarness& app) {
    app.writeDeliveredPasswordStore();
    app.start();
    AppHarness::type(app.control(QStringLiteral("frmPassword"), QStringLiteral("txtPassword")),
                     QStringLiteral("bicchierelungo"));
    AppHarness::click(app.control(QStringLiteral("frmPassword"), QStringLiteral("cmdOK")));
}

QStringList shownRows(AppHarness& app) {
    auto* table = app.control<QTableView>(kAlert, QStringLiteral("grdScadenze"));
    if (!table)
        return {};
    const auto* model = static_cast<const DueTableModel*>(table->model());
    QStringList rows;
    for (int r = 0; r < model->rowCount(); ++r)
        rows.append(model->rowText(r));
    return rows;
}

} // namespace

class DueAlertTest : public QObject {
    Q_OBJECT
private slots:
    // Today is 10/12/2026.
    void rows_data() {
        QTest::addColumn<QStringList>("cards");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("long past, singular and plural")
            << QStringList{"||01/12/2026|", "09/12/2026|||"}
            << QStringList{"P1 | Fiat Ducato | Assicurazione | 01/12/2026 | scaduta da 9 giorni",
                           "P2 | Fiat Ducato | Revisione | 09/12/2026 | scaduta da 1 giorno"};
        QTest::newRow("today, tomorrow, 7 days; 8 days is not due")
            << QStringList{"|||17/12/2026", "|||18/12/2026", "|11/12/2026||", "10/12/2026|||"}
            << QStringList{"P4 | Fiat Ducato | Revisione | 10/12/2026 | oggi",
                           "P3 | Fiat Ducato | Tagliando | 11/12/2026 | tra 1 giorno",
                           "P1 | Fiat Ducato | Bollo | 17/12/2026 | tra 7 giorni"};
        QTest::newRow("unreadable date skipped, later cards still read")
            << QStringList{"31/11/2026|||", "|entro dicembre||", "|||05/12/2026"}
            << QStringList{"P3 | Fiat Ducato | Bollo | 05/12/2026 | scaduta da 5 giorni"};
        QTest::newRow("four kinds on one card, soonest first")
            << QStringList{"15/12/2026|05/12/2026|10/12/2026|05/12/2026"}
            << QStringList{"P1 | Fiat Ducato | Tagliando | 05/12/2026 | scaduta da 5 giorni",
                           "P1 | Fiat Ducato | Bollo | 05/12/2026 | scaduta da 5 giorni",
                           "P1 | Fiat Ducato | Assicurazione | 10/12/2026 | oggi",
                           "P1 | Fiat Ducato | Revisione | 15/12/2026 | tra 5 giorni"};
        QTest::newRow("one date on two cards keeps file order")
            << QStringList{"|||12/12/2026", "12/12/2026|||", "|||01/01/2000"}
            << QStringList{"P3 | Fiat Ducato | Bollo | 01/01/2000 | scaduta da 9840 giorni",
                           "P1 | Fiat Ducato | Bollo | 12/12/2026 | tra 2 giorni",
                           "P2 | Fiat Ducato | Revisione | 12/12/2026 | tra 2 giorni"};
        QTest::newRow("nothing due: no window") << QStringList{"18/12/2026|||", "|||"} << QStringList{};
    }
    void rows() {
        QFETCH(QStringList, cards);
        QFETCH(QStringList, expected);
        AppHarness app;
        QList<F> list;
        for (int i = 0; i < cards.size(); ++i)
            list.append(card(i + 1, cards[i]));
        fixtures::writeVehicles(app.dir(), list);
        logIn(app);
        QCOMPARE(shownRows(app), expected);
        QCOMPARE(app.screen(kAlert) != nullptr, !expected.isEmpty());
        QVERIFY(app.screen(QStringLiteral("frmAvvio"))->isVisible());
        QVERIFY(app.dialogs().prompts().isEmpty());
    }

    void buttons_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("hint");
        QTest::addColumn<QString>("shownAfter");
        QTest::newRow("Apri scadenze")
            << "btnApriScadenze"
            << "Apre il menu delle scadenze imminenti, con gli elenchi da consultare e stampare."
            << "frmMenuScadenze";
        QTest::newRow("Chiudi") << "btnChiudi" << "Chiude il promemoria e resta nel menu principale."
                                << "frmAvvio";
    }
    void buttons() {
        QFETCH(QString, button);
        QFETCH(QString, hint);
        QFETCH(QString, shownAfter);
        AppHarness app;
        fixtures::writeVehicles(app.dir(), {card(1, "|||01/12/2026")});
        logIn(app);
        QWidget* pressed = app.control(kAlert, button);
        AppHarness::hover(pressed);
        QCOMPARE(app.control<QLabel>(kAlert, QStringLiteral("panInfo"))->text(), hint);
        AppHarness::click(pressed);
        QCOMPARE(app.visibleScreens(), QStringList{shownAfter});
    }

    void noVehicleFile_showsNothingAndCreatesNothing() {
        AppHarness app;
        logIn(app);
        QCOMPARE(app.visibleScreens(), QStringList{QStringLiteral("frmAvvio")});
        QVERIFY(!QFile::exists(VehicleFile::pathIn(app.dir())));
    }

    void unreadableVehicleFile_showsNothing() {
        AppHarness app;
        QDir(app.dir()).mkdir(QLatin1String(VehicleFile::kFileName));
        logIn(app);
        QCOMPARE(app.visibleScreens(), QStringList{QStringLiteral("frmAvvio")});
        QVERIFY(app.dialogs().prompts().isEmpty());
    }
};

VESTRANO_TEST(DueAlertTest)
#include "due_alert_test.moc"
