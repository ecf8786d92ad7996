#include "support/app_harness.h"
#include "support/test_registry.h"

#include <QLabel>

class NavigationTest : public QObject {
    Q_OBJECT
private slots:
    void start_createsAreasInOrder_showsLoginAlone() {
        AppHarness app;
        app.start();
        for (const char* name : {"frmPassword", "frmAvvio", "frmCambiaPassword", "frmAutoparco", "frmMenuScadenze",
                                 "frmMenuCosti", "frmCosti", "frmMenuRiepSpese", "frmStatCosti"})
            QVERIFY2(app.screen(QString::fromLatin1(name)), name);
        QCOMPARE(app.visibleScreens(), QStringList{QStringLiteral("frmPassword")});
        QCOMPARE(app.screen(QStringLiteral("frmPassword"))->size(), QSize(388, 405));
        QCOMPARE(app.screen(QStringLiteral("frmAvvio"))->windowTitle(), QStringLiteral(" Vestrano 3.0"));
    }

    void mainMenu_opensAndReturns_data() {
        QTest::addColumn<QString>("picture");
        QTest::addColumn<QString>("area");
        QTest::addColumn<QString>("exitControl");
        QTest::newRow("vehicle tile") << "imgApp01" << "frmAutoparco" << "cmdEsci";
        QTest::newRow("vehicle button") << "btnApp01" << "frmAutoparco" << "cmdEsci";
        QTest::newRow("deadline tile") << "imgApp02" << "frmMenuScadenze" << "imgEsci";
        QTest::newRow("deadline button") << "btnApp02" << "frmMenuScadenze" << "imgEsci";
        QTest::newRow("cost tile") << "imgApp03" << "frmMenuCosti" << "imgEsci";
        QTest::newRow("cost button") << "btnApp03" << "frmMenuCosti" << "imgEsci";
    }
    void mainMenu_opensAndReturns() {
        QFETCH(QString, picture);
        QFETCH(QString, area);
        QFETCH(QString, exitControl);
        AppHarness app;
        app.startAtMainMenu();
        AppHarness::click(app.control(QStringLiteral("frmAvvio"), picture));
        QCOMPARE(app.visibleScreens(), QStringList{area});
        AppHarness::click(app.control(area, exitControl));
        QCOMPARE(app.visibleScreens(), QStringList{QStringLiteral("frmAvvio")});
        // The window's own close button does the same.
        AppHarness::click(app.control(QStringLiteral("frmAvvio"), picture));
        app.screen(area)->close();
        QCOMPARE(app.visibleScreens(), QStringList{QStringLiteral("frmAvvio")});
    }

    void costMenu_routesByMark_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("targetExit");
        QTest::newRow("cost entry") << "btnApriConsumi" << "frmCosti" << "cmdEsci";
        QTest::newRow("summary") << "btnApriRiepConsumi" << "frmMenuRiepSpese" << "btnEsci";
        // btnEsci of the statistics sits on the chart panel, hidden until a year is opened.
        QTest::newRow("statistics") << "btnApriRiepStats" << "frmStatCosti" << "imgEsci";
    }
    void costMenu_routesByMark() {
        QFETCH(QString, button);
        QFETCH(QString, target);
        QFETCH(QString, targetExit);
        AppHarness app;
        app.startAtMainMenu();
        AppHarness::click(app.control(QStringLiteral("frmAvvio"), QStringLiteral("btnApp03")));
        AppHarness::click(app.control(QStringLiteral("frmMenuCosti"), button));
        QCOMPARE(app.visibleScreens(), QStringList{target});
        // These return to the main menu, not to the cost menu.
        AppHarness::click(app.control(target, targetExit));
        QCOMPARE(app.visibleScreens(), QStringList{QStringLiteral("frmAvvio")});
        // The main menu writes "avvio" again, so closing the cost menu goes home.
        AppHarness::click(app.control(QStringLiteral("frmAvvio"), QStringLiteral("imgApp03")));
        QCOMPARE(app.control<QLabel>(QStringLiteral("frmMenuCosti"), QStringLiteral("lblMemory"))->text(),
                 QStringLiteral("avvio"));
        app.screen(QStringLiteral("frmMenuCosti"))->close();
        QCOMPARE(app.visibleScreens(), QStringList{QStringLiteral("frmAvvio")});
    }

    void costMenu_unknownMark_justHides() {
        AppHarness app;
        app.openArea(QStringLiteral("frmMenuCosti"));
        app.control<QLabel>(QStringLiteral("frmMenuCosti"), QStringLiteral("lblMemory"))->setText(QStringLiteral("Avvio"));
        app.screen(QStringLiteral("frmMenuCosti"))->close();
        QCOMPARE(app.visibleScreens(), QStringList());
    }

    void ending_data() {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QString>("control"); // empty: the window's close button
        QTest::newRow("main menu exit icon") << "frmAvvio" << "imgEsci";
        QTest::newRow("main menu window closed") << "frmAvvio" << "";
        QTest::newRow("login Esci") << "frmPassword" << "cmdEsci";
    }
    void ending() {
        QFETCH(QString, screen);
        QFETCH(QString, control);
        AppHarness app;
        if (screen == QLatin1String("frmAvvio"))
            app.startAtMainMenu();
        else
            app.start();
        if (control.isEmpty())
            app.screen(screen)->close();
        else
            AppHarness::click(app.control(screen, control));
        QCOMPARE(app.quitRequests(), 1);
    }

    void makerStrip_opensWebPage() {
        AppHarness app;
        app.startAtMainMenu();
        AppHarness::click(app.control(QStringLiteral("frmAvvio"), QStringLiteral("imgSito")));
        QCOMPARE(app.shell().targets.size(), 1);
        QVERIFY(app.shell().targets.first().startsWith(QStringLiteral("https://")));
    }
};

VESTRANO_TEST(NavigationTest)
#include "navigation_test.moc"
