#include "support/cost_fixtures.h"

#include "analysis/cost_summary.h"
#include "costs/cost_file.h"
#include "app/formats.h"
#include "costs/cost_rules.h"
#include "support/record_fixtures.h"
#include "support/test_registry.h"

#include <QTemporaryDir>
#include <QTest>

namespace {

using Entry = fixtures::DatedCost;

cost_summary::Request request(const QString& plate, const QString& reason, const QString& from = "01/01/2014",
                              const QString& to = "31/12/2014") {
    return {plate, reason, QDate::fromString(from, QStringLiteral("dd/MM/yyyy")),
            QDate::fromString(to, QStringLiteral("dd/MM/yyyy"))};
}

cost_summary::Result summarise(const QList<Entry>& entries, const cost_summary::Request& r) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("2014.eur"));
    fixtures::writeDatedCosts(path, entries);
    CostFile file(path);
    cost_summary::Result result;
    cost_summary::read(file, r, result);
    return result;
}

} // namespace

class CostSummaryTest : public QObject {
    Q_OBJECT
private slots:
    void matching_data() {
        QTest::addColumn<QString>("plateFilter");
        QTest::addColumn<QString>("reasonFilter");
        QTest::addColumn<QString>("plate");
        QTest::addColumn<QString>("reason");
        QTest::addColumn<bool>("listed");
        QTest::addColumn<int>("active");
        QTest::newRow("no filters") << "" << "" << "AB123CD" << "Bollo" << true << 0;
        QTest::newRow("plate part, case ignored") << "ab" << "" << "AB123CD" << "Bollo" << true << 1;
        QTest::newRow("plate part inside") << "ab" << "" << "XAB12" << "Bollo" << true << 1;
        QTest::newRow("plate not held") << "ab" << "" << "CD123EF" << "Bollo" << false << 1;
        QTest::newRow("filter not trimmed") << "ab " << "" << "AB123" << "Bollo" << false << 1;
        QTest::newRow("reason of blanks is no filter") << "" << "   " << "AB1" << "Multa" << true << 0;
        QTest::newRow("reason part") << "" << "OLIO" << "AB1" << "Cambio olio" << true << 1;
        QTest::newRow("both held") << "cd" << "revisione" << "AB123CD" << "Revisione freni" << true << 2;
        QTest::newRow("one of two missing") << "cd" << "multa" << "AB123CD" << "Bollo" << false << 2;
        QTest::newRow("accented letters keep their case") << "È" << "" << "è1" << "Bollo" << false << 1;
    }
    void matching() {
        QFETCH(QString, plateFilter);
        QFETCH(QString, reasonFilter);
        QFETCH(QString, plate);
        QFETCH(QString, reason);
        QFETCH(bool, listed);
        QFETCH(int, active);
        const auto r = request(plateFilter, reasonFilter);
        QCOMPARE(cost_summary::activeFilters(r), active);
        QCOMPARE(cost_summary::matches(r, plate, reason), listed);
    }

    void lineText_fixedColumns() {
        cost_summary::Line line{QStringLiteral("Mercedes-Benz"), QStringLiteral("Sprinter 316 CDI Furgone"),
                                QStringLiteral("AB123CDEFGH"), QStringLiteral("05/03/2014"),
                                QStringLiteral("Manutenzione straordinaria del motore"), QStringLiteral(" Officina "),
                                QStringLiteral(" 1234,50 ")};
        QCOMPARE(cost_summary::lineText(line),
                 QStringLiteral("Mercedes-Benz Sprinter 316 C  Targa: AB123CDEFG  Data: 05/03/2014  "
                                "Manutenzione straordinaria del m  A: Officina                      "
                                "Costo: € 1234,50"));
        line = {QStringLiteral("Fiat"), QStringLiteral("Panda"), QStringLiteral("AB1"), QStringLiteral("05/03/2014"),
                QStringLiteral("Bollo"), QString(), QStringLiteral("12")};
        const QString text = cost_summary::lineText(line);
        QCOMPARE(text.indexOf(QStringLiteral("  Targa: ")), 28);
        QCOMPARE(text.indexOf(QStringLiteral("  Data: ")), 28 + 9 + 10);
        QCOMPARE(text.indexOf(QStringLiteral("  A: ")), 28 + 9 + 10 + 8 + 10 + 2 + 32);
        QVERIFY(text.endsWith(QStringLiteral("  Costo: € 12")));
    }

    // Amounts listed in turn; the final form of their total.
    void finalTotal_data() {
        QTest::addColumn<QStringList>("amounts");
        QTest::addColumn<QString>("total");
        QTest::newRow("whole") << QStringList{"12"} << "12,00";
        QTest::newRow("one decimal") << QStringList{"10,5", "2"} << "12,50";
        QTest::newRow("four decimals kept") << QStringList{"1,2345"} << "1,2345";
        QTest::newRow("three decimals kept") << QStringList{"7,125"} << "7,125";
        QTest::newRow("binary noise") << QStringList{"0,1", "0,2"} << "0,30";
        QTest::newRow("rounded to four") << QStringList{"0,00005", "1"} << "1,0001";
        QTest::newRow("nothing listed") << QStringList{} << "0,00";
        QTest::newRow("zero") << QStringList{"0,00"} << "0,00";
    }
    void finalTotal() {
        QFETCH(QStringList, amounts);
        QFETCH(QString, total);
        QString label = QStringLiteral("0,00"); // the label's design text
        double sum = 0;
        for (const QString& a : amounts) {
            sum += cost_rules::readAmount(a).value();
            label = cost_summary::runningText(sum);
        }
        QCOMPARE(cost_summary::finalTotal(label), total);
        QCOMPARE(cost_summary::finalTotal(QString()), QStringLiteral("0,00"));
    }

    // Long scans read amounts and dates through quick paths; they must agree with the plain
    // conversions.
    void amountsAndDates_readAsWritten_data() {
        QTest::addColumn<QString>("amount");
        QTest::addColumn<QString>("decimal");
        QTest::newRow("tenth") << "0,1" << "0.1";
        QTest::newRow("four decimals") << "1234,5678" << "1234.5678";
        QTest::newRow("fifteen digits") << "999999999999999" << "999999999999999";
        QTest::newRow("fifteen digits with comma") << "99999999999,9999" << "99999999999.9999";
        QTest::newRow("sixteen digits") << "1234567890123456" << "1234567890123456";
        QTest::newRow("many decimals") << "0,0000000000000000001" << "0.0000000000000000001";
        QTest::newRow("lone comma after") << " 5, " << "5";
        QTest::newRow("comma first") << ",5" << "0.5";
        QTest::newRow("not a number") << "1.000,00" << "";
        QTest::newRow("lone comma") << "," << "";
        QTest::newRow("two commas") << "1,2,3" << "";
    }
    void amountsAndDates_readAsWritten() {
        QFETCH(QString, amount);
        QFETCH(QString, decimal);
        const std::optional<double> read = cost_rules::readAmount(amount);
        QCOMPARE(read.has_value(), !decimal.isEmpty());
        if (read)
            QCOMPARE(*read, QLocale::c().toDouble(decimal));
        QCOMPARE(formats::parseDate(QStringLiteral("05/03/2014")), QDate(2014, 3, 5));
        QCOMPARE(formats::parseDate(QStringLiteral("5/3/2014")), QDate(2014, 3, 5));
        QVERIFY(!formats::parseDate(QStringLiteral("31/04/2014")).isValid());
        QVERIFY(!formats::parseDate(QStringLiteral("29/02/2014")).isValid());
        QVERIFY(!formats::parseDate(QStringLiteral("05/0a/2014")).isValid());
    }

    void read_intervalEndsIncluded_filtersApplied() {
        const QList<Entry> entries{
            {QStringLiteral("04/03/2014"), QStringLiteral("1,00")},  // the day before
            {QStringLiteral("05/03/2014"), QStringLiteral("2,00")},  // start
            {QStringLiteral("20/03/2014"), QStringLiteral("4,00"), QStringLiteral("XAB12")},
            {QStringLiteral("31/03/2014"), QStringLiteral("8,00")},  // end
            {QStringLiteral("01/04/2014"), QStringLiteral("16,00")}, // the day after
            {QStringLiteral("10/03/2014"), QStringLiteral("32,00"), QStringLiteral("ZZ999")},
            {QStringLiteral("11/03/2014"), QStringLiteral("64,00"), QStringLiteral("AB123CD"), QStringLiteral("Multa")},
        };
        cost_summary::Result all = summarise(entries, request("", "", "05/03/2014", "31/03/2014"));
        QCOMPARE(all.listed, 5);
        QCOMPARE(all.total, 110.0);
        cost_summary::Result filtered = summarise(entries, request("ab", "bol", "05/03/2014", "31/03/2014"));
        QCOMPARE(filtered.listed, 3);
        QCOMPARE(filtered.total, 14.0);
        QCOMPARE(filtered.lines.size(), std::size_t(3));
        QVERIFY(filtered.lines[1].contains(QStringLiteral("Targa: XAB12       Data: 20/03/2014")));
        // One day.
        QCOMPARE(summarise(entries, request("", "", "31/03/2014", "31/03/2014")).total, 8.0);
    }

    // Mended: such an entry is left out and the summary goes on, so the total is the sum of
    // the lines listed.
    void read_unreadableDateOrAmount_skipped() {
        const QList<Entry> entries{
            {QStringLiteral("05/03/2014"), QStringLiteral("2,00")},
            {QStringLiteral("31/02/2014"), QStringLiteral("4,00")},
            {QStringLiteral(""), QStringLiteral("8,00")},
            {QStringLiteral("06/03/2014"), QStringLiteral("otto")},
            {QStringLiteral("07/03/2014"), QStringLiteral("1.000,00")},
            {QStringLiteral("08/03/2014"), QStringLiteral("16,00")},
        };
        const cost_summary::Result r = summarise(entries, request("", ""));
        QCOMPARE(r.listed, 2);
        QCOMPARE(r.lines.size(), std::size_t(2));
        QCOMPARE(r.total, 18.0);
    }
};

VESTRANO_TEST(CostSummaryTest)
#include "cost_summary_test.moc"
