#include "support/cost_fixtures.h"
#include "support/pdf_reader.h"

#include "analysis/monthly_costs.h"
#include "reports/chart_engine.h"
#include "reports/print_copies.h"
#include "support/app_harness.h"
#include "support/test_registry.h"

#include <QBarSet>
#include <QChart>
#include <QFile>
#include <QLabel>
#include <QPieSeries>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStackedBarSeries>

namespace {

const QString kScreen = QStringLiteral("frmStatCosti");

chart::ChartView* chartOf(AppHarness& app) {
    return app.control<chart::ChartView>(kScreen, QStringLiteral("ChartStats"));
}

void openYear(AppHarness& app, const QString& year) {
    auto* field = app.control<QLineEdit>(kScreen, QStringLiteral("txtAnno"));
    field->clear();
    AppHarness::type(field, year);
    AppHarness::click(app.control(kScreen, QStringLiteral("btnApri")));
}

} // namespace

class StatsTest : public QObject {
    Q_OBJECT
private slots:
    // Entries are "date|amount"; the year is 2014.
    void monthlySums_data() {
        QTest::addColumn<QStringList>("entries");
        QTest::addColumn<int>("month");
        QTest::addColumn<QString>("rounded");
        QTest::newRow("two amounts, rounded up") << QStringList{"05/03/2014|10,40", "20/03/2014|5,20"} << 2 << "16";
        QTest::newRow("just under a half") << QStringList{"01/01/2014|0,49"} << 0 << "0";
        QTest::newRow("a half") << QStringList{"01/01/2014|0,50"} << 0 << "1";
        QTest::newRow("four decimals") << QStringList{"01/12/2014|1,4999", "02/12/2014|0,0001"} << 11 << "2";
        QTest::newRow("another year") << QStringList{"05/03/2013|100,00"} << 2 << "0";
        QTest::newRow("month out of range") << QStringList{"05/13/2014|5,00", "05/00/2014|5,00"} << 11 << "0";
        QTest::newRow("month in one digit") << QStringList{"5/3/2014|5,00"} << 2 << "0";
        QTest::newRow("day not checked") << QStringList{"31/02/2014|3,00"} << 1 << "3";
        QTest::newRow("blank date") << QStringList{"|4,00"} << 0 << "0";
        // Mended: an amount that is no number is passed over, the others still count.
        QTest::newRow("unreadable amount skipped")
            << QStringList{"05/07/2014|abc", "06/07/2014|2,00", "07/07/2014|", "08/07/2014|1.000,00"} << 6 << "2";
    }
    void monthlySums() {
        QFETCH(QStringList, entries);
        QFETCH(int, month);
        QFETCH(QString, rounded);
        monthly_costs::Sums sums(QStringLiteral("2014"));
        for (const QString& e : entries)
            sums.add(e.section(u'|', 0, 0), e.section(u'|', 1));
        QCOMPARE(monthly_costs::roundedText(sums.text(month)), rounded);
        for (int m = 0; m < monthly_costs::kMonths; ++m)
            if (m != month)
                QCOMPARE(sums.text(m), QStringLiteral("0"));
    }

    void copiesAnswer_data() {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<int>("copies");
        QTest::newRow("two") << "2" << 2;
        QTest::newRow("leading zeros") << "003" << 3;
        QTest::newRow("letter") << "2x" << 1;
        QTest::newRow("empty") << "" << 1;
        QTest::newRow("blanks") << "  " << 1;
        QTest::newRow("space inside") << " 2" << 1;
        QTest::newRow("minus") << "-2" << 1;
        QTest::newRow("zero") << "0" << 1;
        QTest::newRow("too large for a number") << "99999999999" << 1; // mended
    }
    void copiesAnswer() {
        QFETCH(QString, answer);
        QFETCH(int, copies);
        QCOMPARE(copiesFromAnswer(answer), copies);
    }

    void show_yearPanelWithCurrentYear() {
        AppHarness app;
        app.openArea(kScreen);
        QCOMPARE(app.control<QLineEdit>(kScreen, QStringLiteral("txtAnno"))->text(), QStringLiteral("2026"));
        QVERIFY(app.control(kScreen, QStringLiteral("panAvvio"))->isVisible());
        QVERIFY(!app.control(kScreen, QStringLiteral("panContainer"))->isVisible());
        QCOMPARE(AppHarness::focused(), app.control(kScreen, QStringLiteral("txtAnno")));
        QVERIFY(app.control(kScreen, QStringLiteral("effAnno"))->isVisible());
    }

    void yearKeys_digitsOnly_returnGoesToApri() {
        AppHarness app;
        app.openArea(kScreen);
        auto* year = app.control<QLineEdit>(kScreen, QStringLiteral("txtAnno"));
        year->clear();
        AppHarness::type(year, QStringLiteral("2a0 1.4"));
        QCOMPARE(year->text(), QStringLiteral("2014"));
        AppHarness::press(year, Qt::Key_Left);
        AppHarness::press(year, Qt::Key_Backspace);
        QCOMPARE(year->text(), QStringLiteral("204"));
        AppHarness::press(year, Qt::Key_Return);
        QCOMPARE(AppHarness::focused(), app.control(kScreen, QStringLiteral("btnApri")));
        QVERIFY(app.dialogs().prompts().isEmpty());
    }

    void open_yearNotOfFourCharacters_warns() {
        AppHarness app;
        app.openArea(kScreen);
        openYear(app, QStringLiteral("201"));
        QCOMPARE(app.dialogs().prompts().size(), 1);
        QCOMPARE(app.dialogs().prompts()[0].kind, QStringLiteral("warning"));
        QCOMPARE(app.dialogs().prompts()[0].text,
                 QStringLiteral("Attenzione: indicare l'anno solare utilizzando quattro cifre."));
        QCOMPARE(AppHarness::focused(), app.control(kScreen, QStringLiteral("txtAnno")));
        QVERIFY(app.control(kScreen, QStringLiteral("panAvvio"))->isVisible());
        QVERIFY(!QFile::exists(app.path(QStringLiteral("201.eur"))));
    }

    void open_showsTwelvePointsOfTheYear() {
        AppHarness app;
        fixtures::writeDatedCosts(app.path(QStringLiteral("2014.eur")),
                            {{QStringLiteral("05/03/2014"), QStringLiteral("10,40")},
                             {QStringLiteral("20/03/2014"), QStringLiteral("5,20"), QStringLiteral("XY"),
                              QStringLiteral("Multa"), {}, {}, {}, false}, // unpaid counts the same
                             {QStringLiteral("01/01/2014"), QStringLiteral("0,49")},
                             {QStringLiteral("31/12/2014"), QStringLiteral("1234,50")},
                             {QStringLiteral("15/06/2013"), QStringLiteral("999,00")},
                             {QStringLiteral("15/06/2014"), QStringLiteral("non so")}});
        app.openArea(kScreen);
        openYear(app, QStringLiteral("2014"));

        QVERIFY(!app.control(kScreen, QStringLiteral("panAvvio"))->isVisible());
        QVERIFY(app.control(kScreen, QStringLiteral("panContainer"))->isVisible());
        QCOMPARE(app.control<QLabel>(kScreen, QStringLiteral("lblTitolo"))->text(),
                 QStringLiteral("Rappresentazione grafica dei costi sostenuti nell'anno 2014."));
        QCOMPARE(app.control<QLabel>(kScreen, QStringLiteral("lblFile"))->text(), app.path(QStringLiteral("2014.eur")));
        QCOMPARE(app.control<QLabel>(kScreen, QStringLiteral("memMarzo"))->text(), QStringLiteral("16"));
        QCOMPARE(app.control<QLabel>(kScreen, QStringLiteral("memGennaio"))->text(), QStringLiteral("0"));
        QCOMPARE(app.control<QLabel>(kScreen, QStringLiteral("memDicembre"))->text(), QStringLiteral("1235"));

        const QList<chart::Point> points = chartOf(app)->points();
        const QList<chart::Point> expected{
            {0, "Gennaio", QColor::fromRgba(0xFFFF0000)},    {0, "Febbraio", QColor::fromRgba(0xFF0000FF)},
            {16, "Marzo", QColor::fromRgba(0xFFFFFFFF)},     {0, "Aprile", QColor::fromRgba(0xFFFF00FF)},
            {0, "Maggio", QColor::fromRgba(0xFFC0DCC0)},     {0, "Giugno", QColor::fromRgba(0xFFFFFF00)},
            {0, "Luglio", QColor::fromRgba(0xFF00FF00)},     {0, "Agosto", QColor::fromRgba(0xFFC0C0C0)},
            {0, "Settembre", QColor::fromRgba(0xFFF0FBFF)},  {0, "Ottobre", QColor::fromRgba(0xFF87CEEB)},
            {0, "Novembre", QColor::fromRgba(0xFF800000)},   {1235, "Dicembre", QColor::fromRgba(0xFF008000)}};
        QCOMPARE(points, expected);
        QCOMPARE(chartOf(app)->kind(), chart::Kind::Bar);
        // One bar series, named as the design says, with a set per month.
        const QList<QAbstractSeries*> series = chartOf(app)->chart()->series();
        QCOMPARE(series.size(), 1);
        QCOMPARE(series[0]->name(), QStringLiteral("Series1"));
        auto* bars = qobject_cast<QStackedBarSeries*>(series[0]);
        QVERIFY(bars);
        QCOMPARE(bars->count(), 12);
        QCOMPARE(bars->barSets()[2]->label(), QStringLiteral("Marzo"));
        QCOMPARE(bars->barSets()[2]->at(2), 16.0);
        QCOMPARE(chartOf(app)->chart()->title(), QStringLiteral("Statistiche costi mensili"));
        QCOMPARE(chart::markText(points[11], chartOf(app)->content().design.unit), QStringLiteral("Dicembre: 1.235 €"));
    }

    void open_missingYearFile_createdAndTwelveZeros() {
        AppHarness app;
        app.openArea(kScreen);
        openYear(app, QStringLiteral("2030"));
        QVERIFY(QFile::exists(app.path(QStringLiteral("2030.eur"))));
        QCOMPARE(QFileInfo(app.path(QStringLiteral("2030.eur"))).size(), 0);
        const QList<chart::Point> points = chartOf(app)->points();
        QCOMPARE(points.size(), 12);
        for (const chart::Point& p : points)
            QCOMPARE(p.value, 0.0);
        QVERIFY(app.control(kScreen, QStringLiteral("panContainer"))->isVisible());
    }

    void open_unreadableFile_toldAndStaysOnYearPanel() {
        AppHarness app;
        QDir(app.dir()).mkdir(QStringLiteral("2014.eur")); // a folder where the file should be
        app.openArea(kScreen);
        openYear(app, QStringLiteral("2014"));
        Prompt told;
        told.kind = QStringLiteral("error");
        told.text = QStringLiteral("Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\rAccertarsi di "
                                   "possedere i privilegi di scrittura nella cartella di installazione del programma.");
        QCOMPARE(app.dialogs().prompts(), QList<Prompt>{told});
        QCOMPARE(AppHarness::focused(), app.control(kScreen, QStringLiteral("txtAnno")));
        QVERIFY(QFileInfo(app.path(QStringLiteral("2014.eur"))).isDir());
        QVERIFY(app.control(kScreen, QStringLiteral("panAvvio"))->isVisible());
        QVERIFY(!app.control(kScreen, QStringLiteral("panContainer"))->isVisible());
    }

    void views_pieAndBars_kindKeptAcrossVisits() {
        AppHarness app;
        fixtures::writeDatedCosts(app.path(QStringLiteral("2014.eur")),
                            {{QStringLiteral("05/03/2014"), QStringLiteral("100")},
                             {QStringLiteral("05/04/2014"), QStringLiteral("50")}});
        app.openArea(kScreen);
        openYear(app, QStringLiteral("2014"));
        AppHarness::click(app.control(kScreen, QStringLiteral("btnTorta")));
        QCOMPARE(chartOf(app)->kind(), chart::Kind::Pie);
        QVERIFY(chartOf(app)->content().threeD);
        auto* pie = qobject_cast<QPieSeries*>(chartOf(app)->chart()->series().constLast());
        QVERIFY(pie);
        QCOMPARE(pie->name(), QStringLiteral("Series1"));
        QCOMPARE(pie->count(), 12);
        QCOMPARE(pie->slices()[2]->value(), 100.0);
        QCOMPARE(pie->slices()[2]->label(), QStringLiteral("Marzo: 100 €"));
        QCOMPARE(pie->slices()[2]->brush().gradient()->stops().size(), 2); // shaded: the 3D look

        // Leaving and coming back: the year panel again, the series emptied, the pie kept.
        AppHarness::click(app.control(kScreen, QStringLiteral("btnEsci")));
        QCOMPARE(app.visibleScreens(), QStringList{QStringLiteral("frmAvvio")});
        app.openArea(kScreen);
        QVERIFY(chartOf(app)->points().isEmpty());
        QVERIFY(app.control(kScreen, QStringLiteral("panAvvio"))->isVisible());
        openYear(app, QStringLiteral("2014"));
        QCOMPARE(chartOf(app)->kind(), chart::Kind::Pie);
        QCOMPARE(chartOf(app)->points()[3].value, 50.0);

        AppHarness::click(app.control(kScreen, QStringLiteral("btnBarre")));
        QCOMPARE(chartOf(app)->kind(), chart::Kind::Bar);
        QVERIFY(chartOf(app)->content().orthogonal);
        QVERIFY(qobject_cast<QStackedBarSeries*>(chartOf(app)->chart()->series().constFirst()));
    }

    void hints_onChartPanel_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("hint");
        QTest::newRow("bars") << "btnBarre"
                              << "Visualizza le statistiche dei costi sotto forma di grafico a barre tridimensionali.";
        QTest::newRow("pie") << "btnTorta"
                             << "Visualizza le statistiche dei costi sotto forma di grafico a torta tridimensionale.";
        QTest::newRow("print") << "btnStampa" << "Stampa il grafico corrente.";
        QTest::newRow("exit") << "btnEsci" << "Esci da questo ambiente di lavoro.";
        QTest::newRow("help") << "cmdGuida" << "Visualizza la pagina della guida sensibile al contesto.";
        for (const char* background : {"panContainer", "shpSezione01", "shpInfo", "bkgSezione01", "ChartStats", "imgFattura"})
            QTest::newRow(background) << background << "";
    }
    void hints_onChartPanel() {
        QFETCH(QString, control);
        QFETCH(QString, hint);
        AppHarness app;
        app.openArea(kScreen);
        openYear(app, QStringLiteral("2014"));
        auto* info = app.control<QLabel>(kScreen, QStringLiteral("panInfo"));
        QCOMPARE(info->text(), QStringLiteral("Grafico statistico dei costi annuali."));
        AppHarness::hover(app.control(kScreen, QStringLiteral("btnStampa")));
        AppHarness::hover(app.control(kScreen, control));
        QCOMPARE(info->text(), hint);
    }

    void print_copiesAnswer_data() {
        QTest::addColumn<QString>("answer");
        QTest::addColumn<int>("prints");
        QTest::newRow("two copies print twice") << "2" << 2;
        QTest::newRow("not digits gives one") << "2x" << 1;
        QTest::newRow("empty gives one") << "" << 1;
    }
    void print_copiesAnswer() {
        QFETCH(QString, answer);
        QFETCH(int, prints);
        AppHarness app;
        app.openArea(kScreen);
        openYear(app, QStringLiteral("2014"));
        QSignalSpy printed(chartOf(app), &chart::ChartView::printed);
        app.dialogs().queue(true);
        app.dialogs().queue(answer);
        AppHarness::click(app.control(kScreen, QStringLiteral("btnStampa")));

        const QList<Prompt>& prompts = app.dialogs().prompts();
        QCOMPARE(prompts.size(), 2);
        QCOMPARE(prompts[0].kind, QStringLiteral("question"));
        QCOMPARE(prompts[0].text, QStringLiteral("Si vuole stampare il presente grafico statistico?"));
        QCOMPARE(prompts[1].kind, QStringLiteral("input"));
        QCOMPARE(prompts[1].caption, QStringLiteral("Numero copie da stampare"));
        QCOMPARE(prompts[1].text, QStringLiteral("Copie:"));
        QCOMPARE(prompts[1].proposed, QStringLiteral("1"));
        QCOMPARE(app.printing().jobs.size(), 1);
        QCOMPARE(app.printing().jobs[0].copies, prints); // what the print dialog proposed
        QCOMPARE(printed.count(), prints);
        // One landscape page per print command.
        QProcess info;
        info.start(QStringLiteral("pdfinfo"), {app.printing().jobs[0].pdf});
        QVERIFY(info.waitForFinished());
        const QString out = QString::fromUtf8(info.readAllStandardOutput());
        QVERIFY2(out.contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n"))), qPrintable(out));
        QVERIFY2(out.contains(QRegularExpression(QStringLiteral("Page size:\\s+842 x 595"))), qPrintable(out));
        // A page on its own says which year it shows.
        QVERIFY(pdf::pages(app.printing().jobs[0].pdf).constFirst().contains(
            QStringLiteral("Statistiche costi mensili 2014")));
    }

    void print_copiesChangedInDialog_andCancels() {
        AppHarness app;
        app.openArea(kScreen);
        openYear(app, QStringLiteral("2014"));
        QSignalSpy printed(chartOf(app), &chart::ChartView::printed);
        auto* print = app.control(kScreen, QStringLiteral("btnStampa"));

        app.dialogs().queue(false); // No to the question
        AppHarness::click(print);
        app.dialogs().queue(true);
        app.dialogs().queue(QVariant()); // copies box cancelled
        AppHarness::click(print);
        app.dialogs().queue(true);
        app.dialogs().queue(QStringLiteral("1"));
        app.printing().printAnswers.enqueue(false); // print dialog cancelled
        AppHarness::click(print);
        QCOMPARE(printed.count(), 0);
        QVERIFY(app.dialogs().unexpected().isEmpty());

        app.dialogs().queue(true);
        app.dialogs().queue(QStringLiteral("1"));
        app.printing().copiesInDialog = 3;
        AppHarness::click(print);
        QCOMPARE(printed.count(), 3);
    }
};

VESTRANO_TEST(StatsTest)
#include "stats_test.moc"
