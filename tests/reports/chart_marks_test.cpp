#include "support/test_registry.h"

#include "reports/chart_engine.h"

#include <QFontMetricsF>
#include <QTest>

namespace {

QFont markFont() {
    QFont f(QStringLiteral("Verdana"));
    f.setPixelSize(11);
    f.setBold(true);
    return f;
}

} // namespace

class ChartMarksTest : public QObject {
    Q_OBJECT
private slots:
    void amountText_groupsThousands_data() {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("expected");
        QTest::newRow("zero") << 0.0 << "0 €";
        QTest::newRow("hundreds") << 999.0 << "999 €";
        QTest::newRow("thousands") << 1235.0 << "1.235 €";
        QTest::newRow("millions with cents") << 12345678.5 << "12.345.678,5 €";
    }
    void amountText_groupsThousands() {
        QFETCH(double, value);
        QFETCH(QString, expected);
        QCOMPARE(chart::amountText(value, QStringLiteral("€")), expected);
    }

    // Twelve months of a year of 100,000 entries: marks of eight digits over bars of equal
    // height, from roomy bars down to bars narrower than any mark can be written.
    void marks_neverOverlap_data() {
        QTest::addColumn<qreal>("spacing");
        QTest::newRow("roomy") << qreal(120);
        QTest::newRow("1366 wide") << qreal(75);
        QTest::newRow("narrow") << qreal(40);
    }
    void marks_neverOverlap() {
        QFETCH(qreal, spacing);
        QStringList marks;
        QList<QPointF> anchors;
        for (int m = 0; m < 12; ++m) {
            marks.append(chart::amountText(98765432.0 - m, QStringLiteral("€")));
            anchors.append(QPointF(100 + m * spacing, 300 - (m % 2))); // near-equal bars
        }
        const chart::MarkLayout layout = chart::layoutMarks(marks, anchors, spacing, markFont());
        QCOMPARE(layout.boxes.size(), 12);
        QVERIFY(layout.font.pixelSize() >= 9);
        const QFontMetricsF fm(layout.font);
        for (qsizetype i = 0; i < 12; ++i) {
            QVERIFY(layout.boxes[i].width() >= fm.horizontalAdvance(marks[i]));
            QVERIFY(layout.boxes[i].bottom() <= anchors[i].y()); // above its own bar
            for (qsizetype j = 0; j < i; ++j)
                QVERIFY2(!layout.boxes[i].intersects(layout.boxes[j]), qPrintable(QStringLiteral("%1 and %2").arg(i).arg(j)));
        }
    }

    void marks_keepTheirSize_whenTheyFit() {
        const chart::MarkLayout layout = chart::layoutMarks({QStringLiteral("12 €"), QStringLiteral("7 €")},
                                                            {QPointF(50, 100), QPointF(150, 100)}, 100, markFont());
        QCOMPARE(layout.font.pixelSize(), 11);
        QCOMPARE(layout.boxes[0].bottom(), 100.0);
        QCOMPARE(layout.boxes[1].bottom(), 100.0);
    }
};

VESTRANO_TEST(ChartMarksTest)
#include "chart_marks_test.moc"
