#include "support/app_harness.h"
#include "support/test_registry.h"

#include "ui/picture_box.h"
#include "vehicles/vehicle_file.h"
#include "vehicles/vehicle_photo.h"

#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

namespace {

const QString kCard = QStringLiteral("frmAutoparco");
const QString kShow = QStringLiteral("frmSlideshow_Automezzi");

// Card n's photo is (20 + n) pixels wide, so a picture tells which card it belongs to.
void writePhoto(AppHarness& app, int n) {
    QDir(app.dir()).mkpath(QStringLiteral("Autoparco"));
    QImage image(20 + n, 10, QImage::Format_RGB32);
    image.fill(Qt::darkGreen);
    QVERIFY(image.save(vehicle_photo::pathFor(app.dir(), QString::number(n)), "JPEG"));
}

void openSlideshow(AppHarness& app, int cards, const QList<int>& photos) {
    QList<TSchedaVeicolo> list;
    for (int i = 1; i <= cards; ++i)
        list.append(fixtures::vehicle(QString::number(i)));
    if (cards > 0)
        fixtures::writeVehicles(app.dir(), list);
    for (int n : photos)
        writePhoto(app, n);
    app.openArea(kCard);
    AppHarness::click(app.control(kCard, QStringLiteral("cmdSlideshow")));
}

// "start" for the start picture, else the card whose photo is shown.
QString shown(AppHarness& app) {
    const QImage picture = app.control<PictureBox>(kShow, QStringLiteral("imgFoto"))->picture();
    if (picture == app.control<PictureBox>(kShow, QStringLiteral("imgBianco"))->picture())
        return QStringLiteral("start");
    return QString::number(picture.width() - 20);
}

void tick(AppHarness& app) {
    app.control<QPushButton>(kShow, QStringLiteral("cmdAvanti"))->click();
}

} // namespace

class SlideshowTest : public QObject {
    Q_OBJECT
private slots:
    void opening_showsTheStartPictureAndStartsTheTimer() {
        AppHarness app;
        openSlideshow(app, 2, {1});
        QWidget* show = app.screen(kShow);
        QVERIFY(show);
        QCOMPARE(show->windowTitle(), QStringLiteral(" Slide Show Parco Automezzi"));
        QVERIFY(show->isModal());
        QCOMPARE(shown(app), QStringLiteral("start"));
        QCOMPARE(app.control<QLabel>(kShow, QStringLiteral("lblPosizione"))->text(), QString());
        auto* timer = show->findChild<QTimer*>(QStringLiteral("Timer"));
        QVERIFY(timer && timer->isActive());
        QCOMPARE(timer->interval(), 6000);
        QCOMPARE(app.control(kShow, QStringLiteral("imgFoto"))->size(), show->screen()->size() - QSize(60, 90));
        QCOMPARE(app.dialogs().prompts().size(), 0); // nothing read before the first tick
    }

    void ticks_data() {
        QTest::addColumn<int>("cards");
        QTest::addColumn<QList<int>>("photos");
        QTest::addColumn<QStringList>("positions"); // lblPosizione after each tick
        QTest::addColumn<QStringList>("pictures");  // what is shown after each tick
        QTest::newRow("one card") << 1 << QList<int>{1} << QStringList{"1", "0", "1", "0", "1"}
                                  << QStringList{"1", "1", "1", "1", "1"};
        QTest::newRow("three cards") << 3 << QList<int>{1, 2, 3} << QStringList{"1", "2", "3", "0", "1", "2"}
                                     << QStringList{"1", "2", "3", "3", "1", "2"};
        QTest::newRow("three cards, the second without photo")
            << 3 << QList<int>{1, 3} << QStringList{"1", "2", "3", "0", "1"}
            << QStringList{"1", "start", "3", "3", "1"};
        QTest::newRow("no photos at all") << 2 << QList<int>{} << QStringList{"1", "2", "0", "1"}
                                          << QStringList{"start", "start", "start", "start"};
    }
    void ticks() {
        QFETCH(int, cards);
        QFETCH(QList<int>, photos);
        QFETCH(QStringList, positions);
        QFETCH(QStringList, pictures);
        AppHarness app;
        openSlideshow(app, cards, photos);
        for (int i = 0; i < positions.size(); ++i) {
            tick(app);
            QCOMPARE(app.control<QLabel>(kShow, QStringLiteral("lblPosizione"))->text(), positions[i]);
            QCOMPARE(shown(app), pictures[i]);
        }
        QCOMPARE(app.dialogs().prompts().size(), 0);
    }

    void emptyFile_saysSoAtTheFirstTickAndCloses() {
        AppHarness app;
        openSlideshow(app, 0, {});
        QVERIFY(app.screen(kShow));
        QCOMPARE(app.dialogs().prompts().size(), 0);
        tick(app);
        QCOMPARE(app.dialogs().texts(), QStringList{QStringLiteral("L'archivio non contiene nessuna scheda.")});
        QCOMPARE(app.dialogs().prompts().first().kind, QStringLiteral("information"));
        QVERIFY(!app.screen(kShow));
        QVERIFY(QFile::exists(VehicleFile::pathIn(app.dir()))); // created empty
    }

    void photoAddedMeanwhile_isShownNextTimeRound() {
        AppHarness app;
        openSlideshow(app, 1, {});
        tick(app);
        QCOMPARE(shown(app), QStringLiteral("start"));
        writePhoto(app, 1);
        tick(app); // the wrap tick leaves the picture
        tick(app);
        QCOMPARE(shown(app), QStringLiteral("1"));
    }

    void unreachableFile_showsTheAccessMessageOnce() {
        AppHarness app;
        openSlideshow(app, 1, {1});
        tick(app);
        QFile::remove(VehicleFile::pathIn(app.dir()));
        QDir().mkpath(VehicleFile::pathIn(app.dir()));
        tick(app);
        QCOMPARE(app.dialogs().texts(),
                 QStringList{QStringLiteral("Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\r"
                                            "Accertarsi di possedere i privilegi di scrittura nella cartella di "
                                            "installazione del programma.")});
        QCOMPARE(app.dialogs().prompts().first().kind, QStringLiteral("error"));
        QVERIFY(!app.screen(kShow));
    }

    void click_closes_data() {
        QTest::addColumn<QString>("where");
        QTest::newRow("photo") << "imgFoto";
        QTest::newRow("panel") << "panContainer";
    }
    void click_closes() {
        QFETCH(QString, where);
        AppHarness app;
        openSlideshow(app, 1, {1});
        tick(app);
        QPointer<QTimer> timer = app.screen(kShow)->findChild<QTimer*>(QStringLiteral("Timer"));
        QTest::mouseClick(app.control(kShow, where), Qt::LeftButton, {}, QPoint(2, 2));
        QVERIFY(!app.screen(kShow));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!timer); // destroyed with the screen
    }
};

VESTRANO_TEST(SlideshowTest)
#include "slideshow_test.moc"
