#include "support/app_harness.h"
#include "support/test_registry.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QDropEvent>
#include <QMimeData>

namespace {

const QString kFourDigits =
    QStringLiteral("Attenzione: indicare l'anno solare utilizzando quattro cifre.");

struct YearScreen {
    const char* screen;
    const char* field;
    const char* open;
};
// The three places a year is asked for, all on the one shared year field.
const YearScreen kYearScreens[] = {{"frmMenuCosti", "txtAnnoConsumi", "btnApriConsumi"},
                                   {"frmMenuRiepSpese", "txtAnno", "btnVisualizza"},
                                   {"frmStatCosti", "txtAnno", "btnApri"}};

void drop(QLineEdit* field, const QString& text) {
    QMimeData data;
    data.setText(text);
    const QPointF at = field->rect().center();
    QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(field, &enter);
    QDragMoveEvent move(at.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(field, &move);
    QDropEvent dropped(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(field, &dropped);
}

} // namespace

class YearFieldTest : public QObject {
    Q_OBJECT
private slots:
    void otherWaysIn_takeDigitsOnly_data() {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("way");
        QTest::addColumn<QString>("offered");
        QTest::addColumn<QString>("expected");
        for (const YearScreen& s : kYearScreens) {
            for (const char* way : {"paste", "drop"}) {
                const auto row = [&](const char* what) -> QTestData& {
                    return QTest::addRow("%s, %s, %s", s.screen, way, what)
                           << QString::fromLatin1(s.screen) << QString::fromLatin1(s.field)
                           << QString::fromLatin1(way);
                };
                row("path") << QStringLiteral("../9") << QStringLiteral("20");
                row("letters among digits") << QStringLiteral("2x24") << QStringLiteral("20");
                row("digits") << QStringLiteral("24") << QStringLiteral("2024");
            }
        }
    }
    void otherWaysIn_takeDigitsOnly() {
        QFETCH(QString, screen);
        QFETCH(QString, field);
        QFETCH(QString, way);
        QFETCH(QString, offered);
        QFETCH(QString, expected);
        AppHarness app;
        app.openArea(screen);
        auto* year = app.control<QLineEdit>(screen, field);
        year->clear();
        AppHarness::type(year, QStringLiteral("20"));
        if (way == QLatin1String("paste")) {
            QApplication::clipboard()->setText(offered);
            year->paste();
        } else {
            drop(year, offered);
        }
        QCOMPARE(year->text(), expected);
    }

    // The editing keys of any field work; typed letters and punctuation still do not get in.
    void keys_editLikeAnyField_typeDigitsOnly_data() {
        QTest::addColumn<QKeySequence>("keys");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("expected");
        QTest::newRow("Home, then a digit") << QKeySequence(Qt::Key_Home) << "1" << "1202";
        QTest::newRow("End after Home") << QKeySequence(Qt::Key_Home, Qt::Key_End) << "5" << "2025";
        QTest::newRow("Ctrl+A replaces") << QKeySequence(QKeySequence::SelectAll) << "1999" << "1999";
        QTest::newRow("Shift+Home selects") << QKeySequence(Qt::SHIFT | Qt::Key_Home) << "3" << "3";
        QTest::newRow("Shift+Left selects one") << QKeySequence(Qt::SHIFT | Qt::Key_Left) << "5" << "205";
        QTest::newRow("letters and signs dropped") << QKeySequence(Qt::Key_Home) << "a-/ .e" << "202";
    }
    void keys_editLikeAnyField_typeDigitsOnly() {
        QFETCH(QKeySequence, keys);
        QFETCH(QString, typed);
        QFETCH(QString, expected);
        AppHarness app;
        app.openArea(QStringLiteral("frmStatCosti"));
        auto* year = app.control<QLineEdit>(QStringLiteral("frmStatCosti"), QStringLiteral("txtAnno"));
        year->setText(QStringLiteral("202")); // room for one more digit
        for (int i = 0; i < keys.count(); ++i)
            QTest::keyClick(year, keys[i].key(), keys[i].keyboardModifiers());
        for (const QChar c : typed)
            QTest::keyClick(year, c.toLatin1());
        QCOMPARE(year->text(), expected);
    }

    // Whatever reached the field, only four digits ever name a year file.
    void open_textNotOfDigits_warnsAndOpensNoFile_data() {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("open");
        for (const YearScreen& s : kYearScreens)
            QTest::newRow(s.screen) << QString::fromLatin1(s.screen) << QString::fromLatin1(s.field)
                                    << QString::fromLatin1(s.open);
    }
    void open_textNotOfDigits_warnsAndOpensNoFile() {
        QFETCH(QString, screen);
        QFETCH(QString, field);
        QFETCH(QString, open);
        AppHarness app;
        app.openArea(screen);
        auto* year = app.control<QLineEdit>(screen, field);
        year->setText(QStringLiteral("../9"));
        AppHarness::click(app.control(screen, open));
        QCOMPARE(app.dialogs().texts(), QStringList{kFourDigits});
        QCOMPARE(app.visibleScreens(), QStringList{screen});
        QVERIFY(!QFile::exists(app.dir() + QStringLiteral("../9.eur")));
        QCOMPARE(QDir(app.dir()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList());
    }
};

VESTRANO_TEST(YearFieldTest)
#include "year_field_test.moc"
