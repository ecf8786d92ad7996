#include "support/test_registry.h"

#include "costs/cost_rules.h"

#include <QTest>

using namespace cost_rules;

class CostRulesTest : public QObject {
    Q_OBJECT
private slots:
    void normaliseAmount_data() {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("atSave");
        QTest::addColumn<QString>("shown");
        QTest::newRow("whole number") << "7" << false << "7,00";
        QTest::newRow("one decimal") << "7,5" << false << "7,50";
        QTest::newRow("three decimals stay") << "7,125" << false << "7,125";
        QTest::newRow("four decimals stay") << "1,2345" << false << "1,2345";
        QTest::newRow("five decimals round half up") << "7,12345" << false << "7,1235";
        QTest::newRow("12,34567") << "12,34567" << false << "12,3457";
        QTest::newRow("345,5") << "345,5" << false << "345,50";
        QTest::newRow("rounds below the last place to zero") << "0,00001" << false << "0,00";
        QTest::newRow("exactly half rounds up") << "0,00005" << false << "0,0001";
        QTest::newRow("half up exact in decimal") << "1,00005" << false << "1,0001";
        QTest::newRow("carry into the whole part") << "9,99995" << false << "10,00";
        QTest::newRow("trailing zeros dropped") << "12,5000" << false << "12,50";
        QTest::newRow("leading zeros") << "007" << false << "7,00";
        QTest::newRow("lone comma") << "," << false << "0,00";
        QTest::newRow("comma first") << ",5" << false << "0,50";
        QTest::newRow("comma last") << "5," << false << "5,00";
        QTest::newRow("empty") << "" << false << "0,00";
        QTest::newRow("blanks") << "   " << false << "0,00";
        QTest::newRow("blanks around") << " 12,5 " << false << "12,50";
        QTest::newRow("thousands separator") << "1.234,50" << false << "0,00";
        QTest::newRow("point as decimal") << "12.5" << false << "0,00";
        QTest::newRow("two commas") << "1,2,3" << false << "0,00";
        QTest::newRow("letters") << "abc" << false << "0,00";
        QTest::newRow("exponent") << "1E5" << false << "0,00";
        // No minus can be typed; a pasted negative is no amount of this field.
        QTest::newRow("pasted negative") << "-12,50" << false << "0,00";
        QTest::newRow("pasted plus sign") << "+12,50" << false << "0,00";
        QTest::newRow("15 digits, leaving") << "123456789012345" << false << "123456789012345,00";
        QTest::newRow("15 digits, save") << "123456789012345" << true << "123456789012345,00";
        // At save the text is cut to 15 first: the appended ",00" of an earlier pass goes.
        QTest::newRow("18 characters, save") << "123456789012345,00" << true << "123456789012345,00";
        QTest::newRow("cut at save") << "12,3456789012345678" << true << "12,3457";
        QTest::newRow("cut at save makes a comma last") << "123456789012345,5" << true
                                                        << "123456789012345,00";
        QTest::newRow("not cut when leaving") << "123456789012345,5" << false << "123456789012346,00";
    }
    void normaliseAmount() {
        QFETCH(QString, typed);
        QFETCH(bool, atSave);
        QFETCH(QString, shown);
        QCOMPARE(cost_rules::normaliseAmount(typed, atSave ? AmountForm::Save : AmountForm::Leaving), shown);
    }

    void calendarDate_data() {
        QTest::addColumn<QString>("date");
        QTest::addColumn<bool>("real");
        QTest::newRow("31 April") << "31/04/2014" << false;
        QTest::newRow("30 April") << "30/04/2014" << true;
        QTest::newRow("31 December") << "31/12/2014" << true;
        QTest::newRow("29 February 2023") << "29/02/2023" << false;
        QTest::newRow("29 February 2024") << "29/02/2024" << true;
        QTest::newRow("29 February 1900") << "29/02/1900" << false;
        QTest::newRow("29 February 2000") << "29/02/2000" << true;
        QTest::newRow("28 February 1900") << "28/02/1900" << true;
        QTest::newRow("day 00") << "00/01/2014" << false;
        QTest::newRow("month 13") << "01/13/2014" << false;
        QTest::newRow("year 0000") << "01/01/0000" << false;
        QTest::newRow("year 9999") << "31/12/9999" << true;
        QTest::newRow("empty month") << "05//2014" << false;
        QTest::newRow("one-digit day") << "5/03/2014" << false;
        QTest::newRow("letters in the year") << "05/03/20a4" << false;
    }
    void calendarDate() {
        QFETCH(QString, date);
        QFETCH(bool, real);
        QCOMPARE(isCalendarDate(date), real);
    }

    void lists_orderAndContent() {
        QCOMPARE(vehicleTypes().size(), 19);
        QCOMPARE(vehicleTypes().first(), QStringLiteral("Autobus"));
        QCOMPARE(vehicleTypes().at(8), QStringLiteral("Mezzo agricolo"));
        QCOMPARE(vehicleTypes().last(), QStringLiteral("Yacht"));
        QCOMPARE(reasons().size(), 16);
        QCOMPARE(reasons().at(5), QStringLiteral("Cambio olio"));
        QCOMPARE(reasons().last(), QStringLiteral("Tagliando"));
        QCOMPARE(days().size(), 31);
        QCOMPARE(days().first(), QStringLiteral("01"));
        QCOMPARE(days().last(), QStringLiteral("31"));
        QCOMPARE(months().size(), 12);
        QCOMPARE(months().first(), QStringLiteral("Gennaio"));
        QCOMPARE(months().last(), QStringLiteral("Dicembre"));
    }

    void dayAndMonthMembership_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("day");
        QTest::addColumn<bool>("monthExact");
        QTest::addColumn<bool>("monthAnyCase");
        QTest::addColumn<int>("number");
        QTest::newRow("listed day") << "07" << true << false << false << 0;
        QTest::newRow("one-digit day") << "7" << false << false << false << 0;
        QTest::newRow("day 32") << "32" << false << false << false << 0;
        QTest::newRow("month as listed") << "Marzo" << false << true << true << 3;
        QTest::newRow("month with blanks") << " Marzo " << false << true << true << 3;
        QTest::newRow("month in lower case") << "gennaio" << false << false << true << 1;
        QTest::newRow("month in capitals") << "DICEMBRE" << false << false << true << 12;
        QTest::newRow("no month") << "Marz" << false << false << false << 0;
    }
    void dayAndMonthMembership() {
        QFETCH(QString, text);
        QFETCH(bool, day);
        QFETCH(bool, monthExact);
        QFETCH(bool, monthAnyCase);
        QFETCH(int, number);
        QCOMPARE(isListedDay(text), day);
        QCOMPARE(isListedMonth(text), monthExact);
        QCOMPARE(isListedMonth(text, Qt::CaseInsensitive), monthAnyCase);
        QCOMPARE(monthNumber(text), number);
        QCOMPARE(monthDigits(text), number ? QStringLiteral("%1").arg(number, 2, 10, QLatin1Char('0')) : QString());
    }

    void numbers_roundAndShortestText_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<QString>("text");
        QTest::newRow("whole") << 12.0 << 4 << "12";
        QTest::newRow("one decimal") << 12.5 << 4 << "12,5";
        QTest::newRow("a tenth") << 0.1 << 4 << "0,1";
        QTest::newRow("sum of tenths") << 0.1 + 0.2 << 4 << "0,3";
        QTest::newRow("rounded to 4") << 7.12345 << 4 << "7,1235";
        QTest::newRow("rounded to whole, up") << 2.5 << 0 << "3";
        QTest::newRow("rounded to whole, down") << 2.49 << 0 << "2";
        QTest::newRow("large") << 123456789012.5 << 4 << "123456789012,5";
        QTest::newRow("zero") << 0.0 << 4 << "0";
    }
    void numbers_roundAndShortestText() {
        QFETCH(double, value);
        QFETCH(int, decimals);
        QFETCH(QString, text);
        QCOMPARE(shortestText(roundHalfUp(value, decimals)), text);
    }

    void readAmount_acceptsOnlyPlainDecimals() {
        QCOMPARE(readAmount(QStringLiteral("12,5")), std::optional<double>(12.5));
        QCOMPARE(readAmount(QStringLiteral(" 3 ")), std::optional<double>(3.0));
        QVERIFY(!readAmount(QStringLiteral("1.234,50")));
        QVERIFY(!readAmount(QStringLiteral(",")));
        QVERIFY(!readAmount(QStringLiteral("-1")));
    }
};

VESTRANO_TEST(CostRulesTest)
#include "cost_rules_test.moc"
