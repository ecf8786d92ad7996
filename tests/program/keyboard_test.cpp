#include "program/qt_translations.h"
#include "support/app_harness.h"
#include "support/test_registry.h"
#include "vehicles/date_calendar_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTranslator>

#include <functional>

namespace {

const QString kCard = QStringLiteral("frmAutoparco");
const QString kCosts = QStringLiteral("frmCosti");
const QString kMenu = QStringLiteral("frmAvvio");

QPushButton* button(AppHarness& app, const QString& screen, const QString& name) {
    AppHarness::activate(app.screen(screen));
    return app.control<QPushButton>(screen, name);
}

// The offscreen screen is smaller than the maximised screens; as on a 1366 x 768 desktop,
// all of a screen shows.
void showWhole(AppHarness& app, const QString& screen) {
    app.screen(screen)->setWindowState(Qt::WindowNoState);
    app.screen(screen)->resize(1366, 768);
    AppHarness::activate(app.screen(screen));
}

void showFullMenu(AppHarness& app) {
    showWhole(app, kMenu);
}

void startAtFullMenu(AppHarness& app) {
    app.startAtMainMenu();
    showFullMenu(app);
}

void openCostYear(AppHarness& app) {
    app.openCostYear(QStringLiteral("2014"));
}

// The screens where only Space used to press the focused button, each brought to that button.
const std::map<QString, std::function<QPushButton*(AppHarness&)>>& focusedButtons() {
    static const std::map<QString, std::function<QPushButton*(AppHarness&)>> all{
        {"calendar Importa",
         [](AppHarness& app) {
             app.openArea(kCard);
             (new DateCalendarDialog(app.context(), app.screen(kCard), QString(), {}))->present();
             return button(app, QStringLiteral("frmCalendario"), QStringLiteral("btnImportaData"));
         }},
        {"vehicle search Trova",
         [](AppHarness& app) {
             app.openArea(kCard);
             AppHarness::click(app.control(kCard, QStringLiteral("cmdTrova")));
             AppHarness::click(app.control(QStringLiteral("frmTrovaAutomezzi"), QStringLiteral("btnCerca")));
             return button(app, QStringLiteral("frmTrovaAutomezzi"), QStringLiteral("btnTrova"));
         }},
        {"unpaid list Trova",
         [](AppHarness& app) {
             openCostYear(app);
             AppHarness::click(app.control(kCosts, QStringLiteral("cmdSospese")));
             return button(app, QStringLiteral("frmDaSaldare"), QStringLiteral("btnTrova"));
         }},
        {"cost search Trova",
         [](AppHarness& app) {
             openCostYear(app);
             AppHarness::click(app.control(kCosts, QStringLiteral("cmdTrova")));
             AppHarness::click(app.control(QStringLiteral("frmTrovaCosti"), QStringLiteral("btnCerca")));
             return button(app, QStringLiteral("frmTrovaCosti"), QStringLiteral("btnTrova"));
         }},
        {"summary Trova",
         [](AppHarness& app) {
             app.openArea(QStringLiteral("frmMenuRiepSpese"));
             const auto pick = [&app](const char* combo, const char* text) {
                 app.control<QComboBox>(QStringLiteral("frmMenuRiepSpese"), QString::fromLatin1(combo))
                     ->setEditText(QString::fromLatin1(text));
             };
             pick("txtGiornoInizio", "01");
             pick("txtMeseInizio", "Gennaio");
             pick("txtGiornoFine", "31");
             pick("txtMeseFine", "Dicembre");
             AppHarness::click(app.control(QStringLiteral("frmMenuRiepSpese"), QStringLiteral("btnVisualizza")));
             return button(app, QStringLiteral("frmRiepSpese"), QStringLiteral("btnTrova"));
         }},
        {"main menu area", [](AppHarness& app) {
             app.startAtMainMenu();
             return button(app, kMenu, QStringLiteral("btnApp02"));
         }},
    };
    return all;
}

// Every stop Tab makes on the screen, from `from` round to it again (at most `limit` stops).
QList<QWidget*> tabStops(QWidget* from, int limit = 200) {
    from->setFocus(Qt::OtherFocusReason);
    QList<QWidget*> stops;
    for (int i = 0; i < limit; ++i) {
        QTest::keyClick(AppHarness::focused(), Qt::Key_Tab);
        QWidget* now = AppHarness::focused();
        if (!now || now == from)
            break;
        stops.append(now);
    }
    return stops;
}

bool seen(const QWidget* w) {
    return w->isVisible() && !w->size().isEmpty() && !w->visibleRegion().isEmpty();
}

} // namespace

class KeyboardTest : public QObject {
    Q_OBJECT
private slots:
    void qtTexts_readItalian() {
        QTranslator* italian = qt_translations::install(*qApp);
        QVERIFY2(italian, "Qt's Italian catalogue is not installed");
        QDialogButtonBox buttons(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
        QCOMPARE(buttons.button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Annulla"));
        QMessageBox question(QMessageBox::Question, QString(), QString(), QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(question.button(QMessageBox::Yes)->text().remove(u'&'), QStringLiteral("Sì"));
        QCOMPARE(question.button(QMessageBox::No)->text().remove(u'&'), QStringLiteral("No"));
        QCoreApplication::removeTranslator(italian);
        delete italian;
    }

    void return_pressesFocusedButton_data() {
        QTest::addColumn<QString>("place");
        for (const auto& [place, open] : focusedButtons())
            QTest::newRow(qPrintable(place)) << place;
    }
    void return_pressesFocusedButton() {
        QFETCH(QString, place);
        AppHarness app;
        QPushButton* target = focusedButtons().at(place)(app);
        QVERIFY(target);
        target->setFocus(Qt::TabFocusReason);
        QCOMPARE(AppHarness::focused(), target);
        QSignalSpy clicked(target, &QPushButton::clicked);
        AppHarness::press(target, Qt::Key_Return);
        QCOMPARE(clicked.count(), 1);
    }

    // Return in the year moves to Apri, and Return there opens the year.
    void costMenu_returnTwice_opensYear() {
        AppHarness app;
        app.openArea(QStringLiteral("frmMenuCosti"));
        AppHarness::activate(app.screen(QStringLiteral("frmMenuCosti")));
        auto* year = app.control<QLineEdit>(QStringLiteral("frmMenuCosti"), QStringLiteral("txtAnnoConsumi"));
        year->setFocus();
        AppHarness::press(year, Qt::Key_Return);
        QCOMPARE(AppHarness::focused(), app.control(QStringLiteral("frmMenuCosti"), QStringLiteral("btnApriConsumi")));
        AppHarness::press(AppHarness::focused(), Qt::Key_Return);
        QCOMPARE(app.visibleScreens(), QStringList{kCosts});
    }

    void cardTab_stopsOnlyOnSeenControls_andWraps() {
        AppHarness app;
        app.openArea(kCard);
        showWhole(app, kCard);
        auto* tipo = app.control(kCard, QStringLiteral("txtTipo"));
        const QList<QWidget*> stops = tabStops(tipo);
        QCOMPARE(AppHarness::focused(), tipo);
        for (QWidget* stop : stops)
            QVERIFY2(seen(stop), qPrintable(stop->objectName() + QStringLiteral(" is not seen")));
        QVERIFY(stops.contains(app.control(kCard, QStringLiteral("txtNote"))));
    }

    void mainMenu_byKeyboard_data() {
        QTest::addColumn<Qt::Key>("key");
        QTest::newRow("Tab") << Qt::Key_Tab;
        QTest::newRow("Right arrow") << Qt::Key_Right;
        QTest::newRow("Down arrow") << Qt::Key_Down;
    }
    void mainMenu_byKeyboard() {
        QFETCH(Qt::Key, key);
        AppHarness app;
        startAtFullMenu(app);
        const auto control = [&app](const char* name) { return app.control(kMenu, QString::fromLatin1(name)); };
        // The first area has the keyboard, framed in yellow.
        QCOMPARE(AppHarness::focused(), control("btnApp01"));
        QVERIFY(control("effApp01")->isVisible());
        QStringList reached;
        for (int i = 0; i < 8; ++i) {
            QTest::keyClick(AppHarness::focused(), key);
            reached.append(AppHarness::focused()->objectName());
        }
        QCOMPARE(reached, (QStringList{"btnApp02", "btnApp03", "imgCrediti", "btnBackup", "imgSito", "imgEsci",
                                       "imgInfo", "imgGuida"}));
        QVERIFY(!control("effApp01")->isVisible());
        QVERIFY(control("effGuida")->isVisible());
        // Back with the opposite arrow.
        QTest::keyClick(AppHarness::focused(), Qt::Key_Left);
        QCOMPARE(AppHarness::focused(), control("imgInfo"));
    }

    void mainMenu_returnOrSpace_opensArea_data() {
        QTest::addColumn<Qt::Key>("key");
        QTest::newRow("Return") << Qt::Key_Return;
        QTest::newRow("Enter") << Qt::Key_Enter;
        QTest::newRow("Space") << Qt::Key_Space;
    }
    void mainMenu_returnOrSpace_opensArea() {
        QFETCH(Qt::Key, key);
        AppHarness app;
        startAtFullMenu(app);
        QTest::keyClick(AppHarness::focused(), Qt::Key_Right);
        QTest::keyClick(AppHarness::focused(), key);
        QCOMPARE(app.visibleScreens(), QStringList{QStringLiteral("frmMenuScadenze")});
        // The exit answers the keyboard too.
        app.screen(QStringLiteral("frmMenuScadenze"))->close();
        showFullMenu(app);
        app.control(kMenu, QStringLiteral("imgEsci"))->setFocus(Qt::TabFocusReason);
        QTest::keyClick(AppHarness::focused(), key);
        QCOMPARE(app.quitRequests(), 1);
    }
};

VESTRANO_TEST(KeyboardTest)
#include "keyboard_test.moc"
