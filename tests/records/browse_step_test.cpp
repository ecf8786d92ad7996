#include "support/test_registry.h"

#include "records/browse_step.h"

#include <QTest>

Q_DECLARE_METATYPE(Browse)

class BrowseStepTest : public QObject {
    Q_OBJECT
private slots:
    void step_data() {
        QTest::addColumn<Browse>("command");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("position");
        QTest::addColumn<bool>("reportEmpty");
        QTest::addColumn<bool>("clearPosition");
        QTest::newRow("first, empty file") << Browse::First << "" << 0 << 0 << true << false;
        QTest::newRow("last, empty file") << Browse::Last << "" << 0 << 0 << true << false;
        QTest::newRow("next, empty file, clears") << Browse::Next << "" << 0 << 0 << true << true;
        QTest::newRow("previous, empty file") << Browse::Previous << "" << 0 << 0 << true << false;
        QTest::newRow("previous on 1, empty file: silent") << Browse::Previous << "1" << 0 << 0 << false << false;
        QTest::newRow("first") << Browse::First << "2" << 3 << 1 << false << false;
        QTest::newRow("last") << Browse::Last << "" << 3 << 3 << false << false;
        QTest::newRow("next from new") << Browse::Next << "" << 3 << 1 << false << false;
        QTest::newRow("next from 2") << Browse::Next << "2" << 3 << 3 << false << false;
        QTest::newRow("next on the last") << Browse::Next << "3" << 3 << 0 << false << false;
        QTest::newRow("previous from new") << Browse::Previous << "" << 3 << 1 << false << false;
        QTest::newRow("previous from 2") << Browse::Previous << "2" << 3 << 1 << false << false;
        QTest::newRow("previous from 3") << Browse::Previous << "3" << 3 << 2 << false << false;
        QTest::newRow("previous beyond the end") << Browse::Previous << "9" << 3 << 3 << false << false;
    }
    void step() {
        QFETCH(Browse, command);
        QFETCH(QString, shown);
        QFETCH(int, count);
        QFETCH(int, position);
        QFETCH(bool, reportEmpty);
        QFETCH(bool, clearPosition);
        const BrowseStep s = browseStep(command, shown, count);
        QCOMPARE(s.position, position);
        QCOMPARE(s.reportEmpty, reportEmpty);
        QCOMPARE(s.clearPosition, clearPosition);
    }
};

VESTRANO_TEST(BrowseStepTest)
#include "browse_step_test.moc"
