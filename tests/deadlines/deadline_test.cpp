#include "support/app_harness.h"
#include "support/pdf_reader.h"
#include "support/failing_device.h"
#include "support/test_registry.h"

#include "deadlines/deadline_rule.h"
#include "lists/result_list.h"
#include "records/record_file.h"
#include "vehicles/vehicle_file.h"

#include <QBuffer>
#include <QDir>
#include <QLabel>

namespace {

using F = TSchedaVeicolo;

const QString kMenu = QStringLiteral("frmMenuScadenze");

F card(const QString& tipo, const QString& marca, F::Field deadline, const QString& date) {
    F c = fixtures::vehicle({{F::Tipo, tipo}, {F::Marca, marca}, {F::Modello, "M"}, {F::Targa, "T"}});
    c[deadline] = date;
    return c;
}

QStringList tipiListed(ResultList* list) {
    QStringList out;
    for (const QString& r : list->texts())
        out.append(r.left(20).trimmed());
    return out;
}

} // namespace

class DeadlineTest : public QObject {
    Q_OBJECT
private slots:
    void due_data() {
        QTest::addColumn<QString>("deadline");
        QTest::addColumn<int>("due"); // deadlines::Due
        const int no = int(deadlines::Due::No), yes = int(deadlines::Due::Yes),
                  bad = int(deadlines::Due::Unreadable);
        // Today is 10/12/2026.
        QTest::newRow("7 days ahead") << "17/12/2026" << yes;
        QTest::newRow("8 days ahead") << "18/12/2026" << no;
        QTest::newRow("7 days ahead across the year") << "03/01/2027" << no;
        QTest::newRow("today") << "10/12/2026" << yes;
        QTest::newRow("yesterday") << "09/12/2026" << yes;
        QTest::newRow("years ago") << "29/02/2016" << yes;
        QTest::newRow("empty") << "" << no;
        QTest::newRow("blanks") << "   " << no;
        QTest::newRow("not a day of the calendar") << "31/11/2026" << bad;
        QTest::newRow("29 February of a common year") << "29/02/2027" << bad;
        QTest::newRow("words") << "entro dicembre" << bad;
        QTest::newRow("other separator") << "10-12-2026" << bad;
    }
    void due() {
        QFETCH(QString, deadline);
        QFETCH(int, due);
        QCOMPARE(int(deadlines::check(deadline, QDate(2026, 12, 10))), due);
    }

    void row_hasTheDeadlineColumns() {
        F c = card("Autovettura", "Fiat", F::ScadBollo, "15/12/2026");
        c[F::Modello] = QStringLiteral("Panda");
        c[F::Targa] = QStringLiteral("AB123CD");
        c[F::Chilometri] = QStringLiteral("12345678901");
        c[F::Proprietario] = QStringLiteral("  Mario Rossi ");
        c[F::ScadRevisione] = QStringLiteral("01/01/2020");
        QCOMPARE(deadlines::row(c.encode(), F::ScadBollo),
                 QStringLiteral("Autovettura           Fiat Panda                      Targa: AB123CD       Scad. "
                                "15/12/2026  Km: 1234567890  Titolare: Mario Rossi"));
        // The lists keep the rows in view up to here.
        QCOMPARE(deadlines::row(c.encode(), F::ScadBollo).left(deadlines::kRowThroughDueDate).right(10),
                 QStringLiteral("15/12/2026"));
    }

    void collect_readFailingPartWay_keepsTheRowsFoundAndThrows() {
        const int cards = 1500; // more than one block of the scan
        QByteArray bytes;
        for (int i = 0; i < cards; ++i)
            bytes += card(QStringLiteral("Auto %1").arg(i), "Fiat", F::ScadBollo, "01/12/2026").encode();
        RecordFile file(std::make_unique<FailingDevice>(bytes, bytes.size() - 1), F::kRecordSize);
        std::vector<QString> rows;
        QVERIFY_THROWS_EXCEPTION(RecordFileError,
                                 deadlines::collectDue(file, deadlines::Kind::Bollo, QDate(2026, 12, 10), rows));
        QVERIFY(!rows.empty());
        QVERIFY(rows.size() < std::size_t(cards));
        QCOMPARE(rows.front().left(6), QStringLiteral("Auto 0"));
    }

    void list_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("note");
        QTest::newRow("revisione") << "btnRevisione" << int(F::ScadRevisione) << "frmScadRevisione"
                                   << " Veicoli con revisione in scadenza o scaduta"
                                   << "Il presente riepilogo visualizza le revisioni scadute o in scadenza nei "
                                      "prossimi 7 giorni";
        QTest::newRow("tagliando") << "btnTagliando" << int(F::ScadTagliando) << "frmScadTagliando"
                                   << " Veicoli con tagliando in scadenza o scaduto"
                                   << "Il presente riepilogo visualizza i tagliandi scaduti o in scadenza nei "
                                      "prossimi 7 giorni";
        QTest::newRow("assicurazione") << "btnAssicurazione" << int(F::ScadAssicurazione) << "frmScadAssicurazione"
                                       << " Veicoli con assicurazione in scadenza o scaduta"
                                       << "Il presente riepilogo visualizza le assicurazioni scadute o in scadenza "
                                          "nei prossimi 7 giorni";
        QTest::newRow("bollo") << "btnBollo" << int(F::ScadBollo) << "frmScadBollo"
                               << " Veicoli con bollo in scadenza o scaduto"
                               << "Il presente riepilogo visualizza i bolli scaduti o in scadenza nei prossimi 7 "
                                  "giorni";
    }
    void list() {
        QFETCH(QString, button);
        QFETCH(int, field);
        QFETCH(QString, screen);
        QFETCH(QString, caption);
        QFETCH(QString, note);
        AppHarness app;
        const auto f = F::Field(field);
        F otherKind = card("Camion", "Iveco", f, "");
        otherKind[f == F::ScadBollo ? F::ScadRevisione : F::ScadBollo] = QStringLiteral("01/01/2020");
        fixtures::writeVehicles(app.dir(), {card("Moto", "Ducati", f, "17/12/2026"),
                                            card("Furgone", "Ford", f, "18/12/2026"),
                                            card("Auto", "Fiat", f, "32/12/2026"), // invalid: skipped
                                            card("Auto", "Alfa", f, "01/03/2025"),
                                            otherKind,
                                            card("Autobus", "Setra", f, "10/12/2026")});
        app.openArea(kMenu);
        AppHarness::click(app.control(kMenu, button));
        QWidget* list = app.screen(screen);
        QVERIFY(list);
        QCOMPARE(list->windowTitle(), caption);
        QCOMPARE(list->size(), QSize(930, 632));
        QCOMPARE(app.control<QLabel>(screen, QStringLiteral("lblRigo03"))->text(), note);
        auto* rows = app.control<ResultList>(screen, QStringLiteral("lstRecords"));
        QCOMPARE(tipiListed(rows), (QStringList{"Auto", "Autobus", "Moto"}));
        QVERIFY(rows->texts().first().startsWith(QStringLiteral("Auto                  Alfa M")));
        QCOMPARE(rows->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QVERIFY(app.dialogs().prompts().isEmpty());

        // Closing empties the list; every opening reads the file afresh, with today's date.
        AppHarness::click(app.control(screen, QStringLiteral("btnChiudi")));
        QVERIFY(!app.screen(screen));
        app.clock().setToday(QDate(2026, 12, 11));
        AppHarness::click(app.control(kMenu, button));
        QCOMPARE(tipiListed(app.control<ResultList>(screen, QStringLiteral("lstRecords"))),
                 (QStringList{"Auto", "Autobus", "Furgone", "Moto"}));
    }

    void list_missingFile_isCreatedAndEmpty() {
        AppHarness app;
        app.openArea(kMenu);
        AppHarness::click(app.control(kMenu, QStringLiteral("btnBollo")));
        QCOMPARE(app.control<ResultList>(QStringLiteral("frmScadBollo"), QStringLiteral("lstRecords"))->count(), 0);
        QVERIFY(QFile::exists(VehicleFile::pathIn(app.dir())));
        QVERIFY(app.dialogs().prompts().isEmpty());
    }

    void list_fileCannotBeOpened_isTold() {
        AppHarness app;
        QDir(app.dir()).mkdir(QLatin1String(VehicleFile::kFileName));
        app.openArea(kMenu);
        AppHarness::click(app.control(kMenu, QStringLiteral("btnTagliando")));
        auto* rows = app.control<ResultList>(QStringLiteral("frmScadTagliando"), QStringLiteral("lstRecords"));
        QCOMPARE(rows->count(), 0);
        QCOMPARE(rows->horizontalScrollBarPolicy(), Qt::ScrollBarAsNeeded); // left as designed
        // An empty list alone would say that nothing is due.
        Prompt told;
        told.kind = QStringLiteral("error");
        told.text = QStringLiteral("Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\rAccertarsi di "
                                   "possedere i privilegi di scrittura nella cartella di installazione del programma.");
        QCOMPARE(app.dialogs().prompts(), QList<Prompt>{told});
        QVERIFY(QFileInfo(VehicleFile::pathIn(app.dir())).isDir());
    }

    void print_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QString>("title");
        QTest::addColumn<bool>("withRows");
        QTest::newRow("revisione") << "btnRevisione" << "frmScadRevisione" << "Veicoli con revisione in scadenza o scadute" << true;
        QTest::newRow("tagliando") << "btnTagliando" << "frmScadTagliando" << "Veicoli con tagliando in scadenza o scaduto" << true;
        QTest::newRow("assicurazione") << "btnAssicurazione" << "frmScadAssicurazione" << "Veicoli con assicurazione in scadenza o scadute" << true;
        QTest::newRow("bollo") << "btnBollo" << "frmScadBollo" << "Veicoli con bollo in scadenza o scaduto" << true;
        QTest::newRow("empty list") << "btnBollo" << "frmScadBollo" << "Veicoli con bollo in scadenza o scaduto" << false;
    }
    void print() {
        QFETCH(QString, button);
        QFETCH(QString, screen);
        QFETCH(QString, title);
        QFETCH(bool, withRows);
        AppHarness app;
        if (withRows) {
            QList<F> cards;
            for (F::Field f : {F::ScadRevisione, F::ScadTagliando, F::ScadAssicurazione, F::ScadBollo}) {
                cards.append(card("Moto", "Ducati", f, "01/12/2026"));
                cards.append(card("Auto", "Fiat", f, "15/12/2026"));
            }
            fixtures::writeVehicles(app.dir(), cards);
        }
        app.openArea(kMenu);
        AppHarness::click(app.control(kMenu, button));
        AppHarness::click(app.control(screen, QStringLiteral("btnStampa")));
        QCOMPARE(app.printing().jobs.size(), 1);
        QStringList lines;
        for (const QString& l : pdf::pages(app.printing().jobs[0].pdf).join(u'\n').split(u'\n', Qt::SkipEmptyParts))
            lines.append(l.simplified());
        QStringList expected{title};
        for (const QString& r : app.control<ResultList>(screen, QStringLiteral("lstRecords"))->texts())
            expected.append(r.simplified());
        expected.append(QStringLiteral("Stampa eseguita in data 10/12/2026"));
        QCOMPARE(lines, expected);
        QCOMPARE(lines.size(), withRows ? 4 : 2);
    }

    void menu_exitReturnsToTheMainMenu() {
        AppHarness app;
        app.openArea(kMenu);
        QCOMPARE(app.control<QLabel>(kMenu, QStringLiteral("lblMemory"))->text(), QStringLiteral("avvio"));
        QCOMPARE(app.control<QLabel>(kMenu, QStringLiteral("lblIstruzioni"))->text(),
                 QStringLiteral("Premi il pulsante relativo al tipo di scadenze imminenti da riepilogare."));
        AppHarness::click(app.control(kMenu, QStringLiteral("imgGuida")));
        QCOMPARE(app.control<QLabel>(QStringLiteral("frmGuida"), QStringLiteral("lblTitolo"))->text(),
                 QStringLiteral("App Scadenze Imminenti"));
        AppHarness::click(app.control(QStringLiteral("frmGuida"), QStringLiteral("btnChiudi")));
        AppHarness::click(app.control(kMenu, QStringLiteral("imgEsci")));
        QCOMPARE(app.visibleScreens(), QStringList{QStringLiteral("frmAvvio")});
    }
};

VESTRANO_TEST(DeadlineTest)
#include "deadline_test.moc"
