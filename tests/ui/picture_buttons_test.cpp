#include "support/app_harness.h"
#include "support/test_registry.h"

#include "ui/area_screen.h"
#include "ui/screens.h"

#include <QApplication>
#include <QPushButton>

namespace {

// Buttons that show a picture and no text: a screen reader has only their accessible name.
QStringList unnamedPictureButtons(const QWidgetList& windows) {
    QStringList unnamed;
    for (QWidget* window : windows)
        for (const QPushButton* b : window->findChildren<QPushButton*>())
            if (b->text().isEmpty() && !b->icon().isNull() && b->accessibleName().trimmed().isEmpty())
                unnamed.append(window->objectName() + u'.' + b->objectName());
    return unnamed;
}

} // namespace

class PictureButtonsTest : public QObject {
    Q_OBJECT
private slots:
    void everyPictureButtonOfTheAreasHasAName() {
        AppHarness app;
        app.start();
        QWidgetList areas;
        for (AreaScreen* s : app.context().screens->all())
            areas.append(s);
        QVERIFY(areas.size() >= 9);
        QCOMPARE(unnamedPictureButtons(areas), QStringList{});
    }

    void everyPictureButtonOfTheDialogsHasAName_data() {
        QTest::addColumn<QString>("area");
        QTest::addColumn<QString>("opener");
        QTest::newRow("attachments") << "frmAutoparco" << "cmdFile";
        QTest::newRow("export") << "frmAutoparco" << "cmdEsporta";
        QTest::newRow("help") << "frmAutoparco" << "cmdGuida";
        QTest::newRow("about") << "frmAvvio" << "imgInfo";
        QTest::newRow("credits") << "frmAvvio" << "imgCrediti";
        QTest::newRow("backup") << "frmAvvio" << "btnBackup";
    }
    void everyPictureButtonOfTheDialogsHasAName() {
        QFETCH(QString, area);
        QFETCH(QString, opener);
        AppHarness app;
        if (area == QLatin1String("frmAvvio"))
            app.startAtMainMenu();
        else
            app.openArea(area);
        const QWidgetList before = QApplication::topLevelWidgets();
        AppHarness::click(app.control(area, opener));
        QWidgetList opened;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible() && !before.contains(w))
                opened.append(w);
        QCOMPARE(opened.size(), 1);
        QCOMPARE(unnamedPictureButtons(opened), QStringList{});
    }
};

VESTRANO_TEST(PictureButtonsTest)
#include "picture_buttons_test.moc"
