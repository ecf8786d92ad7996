#include "support/app_harness.h"
#include "support/test_registry.h"

#include "lists/find_in_list.h"
#include "lists/fixed_width.h"
#include "lists/result_list.h"
#include "lists/row_hand_over.h"
#include "records/record_file.h"

#include <QBuffer>
#include <QPushButton>
#include <QScrollBar>

namespace {

// A bare screen holding the find controls over a list, as every list screen has them.
struct FindFixture {
    AppHarness app;
    QWidget screen;
    ResultList* list = new ResultList(&screen);
    QLineEdit* field = new QLineEdit(&screen);
    QPushButton* button = new QPushButton(QStringLiteral("Trova"), &screen);
    QString lastSearch;
    FindInList* finder = new FindInList(app.context(), list, field, button, lastSearch, &screen);
};

std::vector<QString> toVector(const QStringList& rows) {
    return {rows.cbegin(), rows.cend()};
}

} // namespace

class ResultListTest : public QObject {
    Q_OBJECT
private slots:
    void row_data() {
        QTest::addColumn<QString>("row");
        QTest::addColumn<QString>("expected");
        using fixed_width::Row;
        QTest::newRow("padded") << Row().column(u"Fiat", 6).last(u"x").take() << "Fiat  x";
        QTest::newRow("cut") << Row().column(u"Autovettura", 4).last(u"x").take() << "Autox";
        QTest::newRow("trimmed, then padded") << Row().column(u"  ab \t", 4).last(u"x").take() << "ab  x";
        QTest::newRow("blank value") << Row().column(u"   ", 3).last(u"x").take() << "   x";
        QTest::newRow("label as is") << Row().column(u"a", 2).text(u"  Targa: ").last(u"AB").take()
                                     << "a   Targa: AB";
        QTest::newRow("pair") << Row().pair(u" Fiat ", u" Panda", 12).last(u"").take() << "Fiat Panda  ";
        QTest::newRow("pair, blank first keeps the blank") << Row().pair(u"", u"Panda", 8).last(u"").take()
                                                           << " Panda  ";
        QTest::newRow("pair cut") << Row().pair(u"Mercedes-Benz", u"Sprinter", 16).last(u"").take()
                                  << "Mercedes-Benz Sp";
        QTest::newRow("last trimmed, never cut")
            << Row().column(u"a", 1).last(u"  a long last column that goes on  ").take()
            << "aa long last column that goes on";
    }
    void row() {
        QFETCH(QString, row);
        QFETCH(QString, expected);
        QCOMPARE(row, expected);
    }

    void order_data() {
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QStringList>("sorted");
        QTest::newRow("letters without case") << QStringList{"Ford Focus", "fiat Panda", "FIAT Uno", "alfa"}
                                              << QStringList{"alfa", "fiat Panda", "FIAT Uno", "Ford Focus"};
        QTest::newRow("accented capital after Z") << QStringList{"Élan", "zeta", "Zanzara", "Ape"}
                                                  << QStringList{"Ape", "Zanzara", "zeta", "Élan"};
        QTest::newRow("other characters by their code")
            << QStringList{"a", "_", "[", "1", " b", "Z"}       // blank 32, '1' 49, 'A' 65, 'Z' 90, '[' 91, '_' 95
            << QStringList{" b", "1", "a", "Z", "[", "_"};
        QTest::newRow("code page order, not Unicode") << QStringList{"é", "€", "z"} // € is 0x80, é 0xE9
                                                      << QStringList{"z", "€", "é"};
        QTest::newRow("beginning first") << QStringList{"Fiat Panda", "Fiat", "Fiat P"}
                                         << QStringList{"Fiat", "Fiat P", "Fiat Panda"};
        QTest::newRow("empty") << QStringList{} << QStringList{};
    }
    void order() {
        QFETCH(QStringList, rows);
        QFETCH(QStringList, sorted);
        ResultListModel model;
        model.setRows(toVector(rows));
        QCOMPARE(model.texts(), sorted);
    }

    void find_data() {
        QTest::addColumn<QStringList>("rows"); // in list order
        QTest::addColumn<int>("selected");     // before the press; -1 none
        QTest::addColumn<QString>("last");     // the last search text
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("selectedAfter");
        QTest::addColumn<QString>("lastAfter");
        QTest::addColumn<QStringList>("messages");
        const QStringList rows{"Autobus Iveco", "Autovettura Fiat Panda", "Camper Fiat Ducato", "Furgone Ford"};
        const QStringList none;
        QTest::newRow("first press looks from the top") << rows << 3 << "" << "FIAT" << 1 << "fiat" << none;
        QTest::newRow("no selection: first row, then from the top") << rows << -1 << "" << "auto" << 0 << "auto"
                                                                    << none;
        QTest::newRow("same text again: the next one") << rows << 1 << "fiat" << "Fiat" << 2 << "fiat" << none;
        QTest::newRow("same text again wraps") << rows << 2 << "fiat" << "fiat" << 1 << "fiat" << none;
        QTest::newRow("only the selected row holds it") << rows << 3 << "ford" << "Ford" << 3 << "ford" << none;
        QTest::newRow("a new text tests the first row first") << rows << 0 << "iveco" << "auto" << 0 << "auto"
                                                              << none;
        QTest::newRow("not found: selection stays") << rows << 2 << "" << "opel" << 2 << "opel" << none;
        QTest::newRow("not trimmed") << rows << 0 << "" << "bus " << 0 << "bus " << none;
        QTest::newRow("blanks are part of the text") << rows << 0 << "" << " fiat" << 1 << " fiat" << none;
        QTest::newRow("never across two rows") << QStringList{"ab", "cd"} << 0 << "" << "bc" << 0 << "bc" << none;
        QTest::newRow("empty text changes nothing") << rows << 2 << "fiat" << "" << 2 << "" << none;
        QTest::newRow("empty list") << QStringList{} << -1 << "fiat" << "fiat" << -1 << "fiat"
                                    << QStringList{FindInList::kEmptyListMessage};
        QTest::newRow("a character no row can hold") << QStringList{"a ?", "b ?"} << 0 << "" << QStringLiteral("Ж")
                                                     << 0 << QStringLiteral("Ж") << none;
    }
    void find() {
        QFETCH(QStringList, rows);
        QFETCH(int, selected);
        QFETCH(QString, last);
        QFETCH(QString, typed);
        QFETCH(int, selectedAfter);
        QFETCH(QString, lastAfter);
        QFETCH(QStringList, messages);
        FindFixture f;
        f.list->setRows(toVector(rows));
        QCOMPARE(f.list->texts(), rows); // the table gives rows already in order
        f.list->selectRow(selected);
        f.lastSearch = last;
        f.field->setText(typed);
        f.button->click();
        QCOMPARE(f.list->selectedRow(), selectedAfter);
        QCOMPARE(f.lastSearch, lastAfter);
        QCOMPARE(f.app.dialogs().texts(), messages);
        for (const Prompt& p : f.app.dialogs().prompts())
            QCOMPARE(p.kind, QStringLiteral("message"));
    }

    void find_pressingAgainWalksEveryMatchAndWraps() {
        FindFixture f;
        QStringList rows;
        for (int i = 0; i < 6; ++i)
            rows.append(QStringLiteral("row %1 %2").arg(i).arg(i % 2 ? QStringLiteral("odd") : QStringLiteral("even")));
        f.list->setRows(toVector(rows));
        f.field->setText(QStringLiteral("ODD"));
        QList<int> visited;
        for (int i = 0; i < 4; ++i) {
            f.button->click();
            visited.append(f.list->selectedRow());
        }
        QCOMPARE(visited, (QList<int>{1, 3, 5, 1}));
    }

    void find_returnInTheFieldOnlyMovesTheFocus() {
        FindFixture f;
        f.screen.show();
        AppHarness::activate(&f.screen);
        f.field->setFocus();
        f.field->setText(QStringLiteral("x"));
        AppHarness::press(f.field, Qt::Key_Return);
        QCOMPARE(AppHarness::focused(), f.button);
        QVERIFY(f.app.dialogs().prompts().isEmpty()); // the empty list was not searched
    }

    void handOver_everyEqualRowInFileOrder_lastWins() {
        // Records "tag|detail": the row shows the tag cut to 4 characters.
        QByteArray bytes;
        for (const char* r : {"Fiat|first  ", "Ford|other  ", "Fiat|second ", " Fiat|third "})
            bytes += QByteArray(r);
        auto buffer = std::make_unique<QBuffer>();
        buffer->setData(bytes);
        RecordFile file(std::move(buffer), 12);
        const auto rowOf = [](QByteArrayView record) {
            const QString text = QString::fromLatin1(record.data(), record.size());
            return fixed_width::Row().column(QStringView(text).left(text.indexOf(u'|')), 4).take();
        };
        QList<int> handed;
        forEachRecordOfRow(file, QStringLiteral("Fiat  "), rowOf,
                           [&](qint64 position, QByteArrayView) { handed.append(position); });
        QCOMPARE(handed, (QList<int>{1, 3, 4}));
        handed.clear();
        forEachRecordOfRow(file, QStringLiteral("fiat"), rowOf, [&](qint64 position, QByteArrayView) {
            handed.append(position);
        });
        QVERIFY(handed.isEmpty()); // case counts
    }

    void finishFill_widensItemsAndShowsScrollBars() {
        QWidget screen;
        auto* list = new ResultList(&screen);
        list->setGeometry(0, 0, 400, 200);
        list->setRows({QStringLiteral("short")});
        screen.show();
        QCOMPARE(list->font().family(), QStringLiteral("Courier New"));
        QCOMPARE(list->font().pointSize(), 12);
        QVERIFY(list->uniformItemSizes());
        list->finishFill();
        QCoreApplication::processEvents();
        QCOMPARE(list->sizeHintForColumn(0), ResultList::kItemWidth);
        QCOMPARE(list->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        QVERIFY(list->horizontalScrollBar()->maximum() > 0);
    }

    // The key columns show without scrolling sideways, on the lists' own widths; the rows
    // themselves stay as they are.
    void keepInView_keyColumnsFitTheWidth_data() {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("keep");
        QTest::addColumn<int>("rowLength");
        QTest::addColumn<int>("seen");
        QTest::newRow("deadline list, through the due date") << 852 << 91 << 160 << 91;
        QTest::newRow("unpaid list, whole row") << 801 << int(ResultList::kWholeRow) << 158 << 158;
        QTest::newRow("summary, whole row") << 955 << int(ResultList::kWholeRow) << 158 << 158;
    }
    void keepInView_keyColumnsFitTheWidth() {
        QFETCH(int, width);
        QFETCH(int, keep);
        QFETCH(int, rowLength);
        QFETCH(int, seen);
        AppHarness app;
        QWidget screen;
        auto* list = new ResultList(&screen);
        list->setGeometry(0, 0, width, 300);
        list->keepInView(keep);
        const QString row = QString(rowLength - 8, u'x') + QStringLiteral("12345,67");
        list->setRows({row, QStringLiteral("short")});
        list->finishFill();
        screen.show();
        QVERIFY(QTest::qWaitForWindowExposed(&screen));
        QVERIFY(list->texts().contains(row));
        const QFontMetricsF fm(list->font());
        QVERIFY2(fm.horizontalAdvance(row.left(seen)) <= list->viewport()->width(),
                 qPrintable(QStringLiteral("%1 px in %2").arg(fm.horizontalAdvance(row.left(seen))).arg(list->viewport()->width())));
        QVERIFY(list->font().pointSizeF() >= 8);
        QCOMPARE(list->font().family(), QStringLiteral("Courier New"));
        // Rows as tall as their letters.
        QCOMPARE(list->sizeHintForRow(0), QFontMetrics(list->font()).height() + 2);
    }

    void keepInView_roomEnough_keepsCourier12() {
        AppHarness app;
        QWidget screen;
        auto* list = new ResultList(&screen);
        list->setGeometry(0, 0, 1300, 300);
        list->keepInView(90);
        QCOMPARE(list->font().pointSizeF(), 12.0);
        QCOMPARE(list->font().stretch(), int(QFont::Unstretched));
    }
};

VESTRANO_TEST(ResultListTest)
#include "result_list_test.moc"
