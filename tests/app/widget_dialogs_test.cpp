#include "support/test_registry.h"

#include "app/dialogs.h"

#include <QApplication>
#include <QTest>
#include <QTimer>

class WidgetDialogsTest : public QObject {
    Q_OBJECT
private slots:
    // The copies box once cut its title short: the box is wide enough to show all of it.
    void input_isWideEnoughForItsTitle() {
        const QString title = QStringLiteral("Numero copie da stampare");
        int width = 0;
        int titleWidth = 0;
        QTimer::singleShot(0, qApp, [&] {
            QWidget* box = QApplication::activeModalWidget();
            QVERIFY(box);
            width = box->width();
            titleWidth = box->fontMetrics().horizontalAdvance(title);
            box->close();
        });
        WidgetDialogs dialogs;
        QCOMPARE(dialogs.input(nullptr, title, QStringLiteral("Copie:"), QStringLiteral("1")), std::nullopt);
        QVERIFY2(width >= titleWidth + 100, qPrintable(QStringLiteral("%1 for a title of %2").arg(width).arg(titleWidth)));
    }
};

VESTRANO_TEST(WidgetDialogsTest)
#include "widget_dialogs_test.moc"
