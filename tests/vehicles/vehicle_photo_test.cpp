#include "support/app_harness.h"
#include "support/test_registry.h"

#include "ui/picture_box.h"
#include "vehicles/vehicle_photo.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QElapsedTimer>
#include <QLabel>
#include <QPainter>
#include <QScreen>

namespace {

using F = TSchedaVeicolo;
const QString kCard = QStringLiteral("frmAutoparco");
const QString kZoom = QStringLiteral("frmZoom");

QImage solid(QSize size, QColor colour) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

void writePhoto(AppHarness& app, int position, QSize size) {
    QDir(app.dir()).mkpath(QStringLiteral("Autoparco"));
    QVERIFY(solid(size, Qt::red).save(vehicle_photo::pathFor(app.dir(), QString::number(position)), "JPEG"));
}

QImage shown(AppHarness& app) {
    return app.control<PictureBox>(kCard, QStringLiteral("imgFoto"))->picture();
}
QImage placeholder(AppHarness& app) {
    return app.control<PictureBox>(kCard, QStringLiteral("imgBianco"))->picture();
}
void clickTool(AppHarness& app, const QString& name) {
    AppHarness::click(app.control(kCard, name));
}
void openCards(AppHarness& app, int count) {
    QList<F> cards;
    for (int i = 1; i <= count; ++i)
        cards.append(fixtures::vehicle(QString::number(i)));
    fixtures::writeVehicles(app.dir(), cards);
    app.openArea(kCard);
}
QString photoFile(AppHarness& app, int position) {
    return vehicle_photo::pathFor(app.dir(), QString::number(position));
}

} // namespace

class VehiclePhotoTest : public QObject {
    Q_OBJECT
private slots:
    void browsing_showsEachCardsOwnPhoto() {
        AppHarness app;
        writePhoto(app, 1, QSize(40, 30));
        writePhoto(app, 2, QSize(60, 20));
        openCards(app, 3);
        QCOMPARE(shown(app), placeholder(app));
        clickTool(app, QStringLiteral("cmdPrimo"));
        QCOMPARE(shown(app).size(), QSize(40, 30));
        clickTool(app, QStringLiteral("cmdAvanti"));
        QCOMPARE(shown(app).size(), QSize(60, 20));
        clickTool(app, QStringLiteral("cmdAvanti"));
        QCOMPARE(shown(app), placeholder(app));
        clickTool(app, QStringLiteral("cmdIndietro"));
        clickTool(app, QStringLiteral("cmdNuovo"));
        QCOMPARE(shown(app), placeholder(app));
    }

    void unreadablePhotoFile_showsThePlaceholder_data() {
        QTest::addColumn<QByteArray>("content");
        QByteArray jpeg;
        {
            QBuffer buffer(&jpeg);
            buffer.open(QIODevice::WriteOnly);
            QImage noisy(200, 150, QImage::Format_RGB32);
            for (int y = 0; y < noisy.height(); ++y)
                for (int x = 0; x < noisy.width(); ++x)
                    noisy.setPixel(x, y, qRgb(x * 7 % 256, y * 13 % 256, (x * y) % 256));
            noisy.save(&buffer, "JPEG");
        }
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("truncated") << jpeg.left(jpeg.size() / 2);
        QTest::newRow("not a picture") << QByteArray("Questo non è un'immagine.\r\n");
    }
    void unreadablePhotoFile_showsThePlaceholder() {
        QFETCH(QByteArray, content);
        AppHarness app;
        writePhoto(app, 1, QSize(40, 30));
        fixtures::writeFile(photoFile(app, 2), content);
        openCards(app, 2);
        clickTool(app, QStringLiteral("cmdPrimo"));
        clickTool(app, QStringLiteral("cmdAvanti"));
        QCOMPARE(shown(app), placeholder(app));
        QCOMPARE(app.dialogs().prompts().size(), 0);
    }

    void cardWithoutPhoto_savesThePlaceholder() {
        AppHarness app;
        openCards(app, 3);
        clickTool(app, QStringLiteral("cmdUltimo"));
        QVERIFY(QFileInfo(vehicle_photo::folderIn(app.dir())).isDir());
        QVERIFY(!QFile::exists(photoFile(app, 3)));
        clickTool(app, QStringLiteral("cmdSalva"));
        const QImage stored = vehicle_photo::read(photoFile(app, 3));
        QCOMPARE(stored.size(), placeholder(app).size());
        QCOMPARE(fixtures::readFile(photoFile(app, 3)).left(2), QByteArray("\xFF\xD8"));
    }

    void loadedBitmap_isStoredAsJpegAtTheNextSave() {
        AppHarness app;
        const QString bitmap = app.path(QStringLiteral("furgone.bmp"));
        QVERIFY(solid(QSize(64, 48), Qt::blue).save(bitmap, "BMP"));
        openCards(app, 2);
        clickTool(app, QStringLiteral("cmdUltimo"));
        app.dialogs().queue(bitmap);
        clickTool(app, QStringLiteral("btnCaricaFoto"));
        const Prompt open = app.dialogs().prompts().at(0);
        QCOMPARE(open.kind, QStringLiteral("open"));
        QCOMPARE(open.text, QStringLiteral("Selezionare un file di immagine in formato Jpeg o Bitmap."));
        QCOMPARE(open.filter, QStringLiteral("Immagine JPEG (*.jpg *.jpeg);;Immagine Bitmap (*.bmp)"));
        QCOMPARE(shown(app).size(), QSize(64, 48));
        QVERIFY(!QFile::exists(photoFile(app, 2))); // only the card's save stores it

        clickTool(app, QStringLiteral("cmdSalva"));
        QCOMPARE(fixtures::readFile(photoFile(app, 2)).left(2), QByteArray("\xFF\xD8"));
        const QImage stored = vehicle_photo::read(photoFile(app, 2));
        QCOMPARE(stored.size(), QSize(64, 48));
        QVERIFY(qBlue(stored.pixel(30, 20)) > 200 && qRed(stored.pixel(30, 20)) < 50);
    }

    void loadingAFileThatIsNotAPicture_showsThePlaceholder() {
        AppHarness app;
        writePhoto(app, 1, QSize(40, 30));
        openCards(app, 1);
        clickTool(app, QStringLiteral("cmdPrimo"));
        fixtures::writeFile(app.path(QStringLiteral("note.jpg")), "testo");
        app.dialogs().queue(app.path(QStringLiteral("note.jpg")));
        clickTool(app, QStringLiteral("btnCaricaFoto"));
        QCOMPARE(shown(app), placeholder(app));
        QCOMPARE(app.dialogs().prompts().size(), 1);
    }

    void cancellingEitherFileDialog_changesNothing() {
        AppHarness app;
        writePhoto(app, 1, QSize(40, 30));
        openCards(app, 1);
        clickTool(app, QStringLiteral("cmdPrimo"));
        const QByteArray before = fixtures::readFile(photoFile(app, 1));
        app.dialogs().queue(QVariant());
        clickTool(app, QStringLiteral("btnCaricaFoto"));
        app.dialogs().queue(QVariant());
        clickTool(app, QStringLiteral("btnSalvaFoto"));
        QCOMPARE(app.dialogs().prompts().size(), 2);
        QCOMPARE(shown(app).size(), QSize(40, 30));
        QCOMPARE(fixtures::readFile(photoFile(app, 1)), before);
        QCOMPARE(QDir(app.dir()).entryList(QDir::Files), QStringList{QStringLiteral("Parco_Automezzi.pro")});
    }

    void saveCopy_writesTheChosenFileAndLeavesTheCardAlone() {
        AppHarness app;
        writePhoto(app, 1, QSize(40, 30));
        openCards(app, 1);
        clickTool(app, QStringLiteral("cmdPrimo"));
        const QString copy = app.path(QStringLiteral("Foto.jpg"));
        app.dialogs().queue(copy);
        clickTool(app, QStringLiteral("btnSalvaFoto"));
        const Prompt save = app.dialogs().prompts().at(0);
        QCOMPARE(save.kind, QStringLiteral("save"));
        QCOMPARE(save.text, QStringLiteral("Selezionare la cartella in cui si desidera salvare il file Jpeg."));
        QCOMPARE(save.filter, QStringLiteral("File Jpeg (*.jpg)"));
        QCOMPARE(save.proposed, QStringLiteral("Foto.jpg"));
        QCOMPARE(save.extension, QStringLiteral("jpg"));
        QCOMPARE(vehicle_photo::read(copy).size(), QSize(40, 30));
        QCOMPARE(fixtures::readFile(copy).left(2), QByteArray("\xFF\xD8"));

        // A copy that cannot be written keeps the card's photo on screen (saving the card
        // afterwards must not store the placeholder in its place).
        app.dialogs().queue(app.path(QStringLiteral("no/such/folder/Foto.jpg")));
        clickTool(app, QStringLiteral("btnSalvaFoto"));
        app.dialogs().queue(app.path(QStringLiteral("Foto.xyz"))); // no encoder for that
        clickTool(app, QStringLiteral("btnSalvaFoto"));
        QVERIFY(!QFile::exists(app.path(QStringLiteral("Foto.xyz"))));
        QCOMPARE(shown(app).size(), QSize(40, 30));
        QCOMPARE(app.dialogs().prompts().size(), 3);
    }

    void clearPhoto_isUndoneByBrowsingAwayAndBack() {
        AppHarness app;
        writePhoto(app, 1, QSize(40, 30));
        openCards(app, 2);
        clickTool(app, QStringLiteral("cmdPrimo"));
        const QByteArray before = fixtures::readFile(photoFile(app, 1));
        clickTool(app, QStringLiteral("btnCancFoto"));
        QCOMPARE(shown(app), placeholder(app));
        QCOMPARE(fixtures::readFile(photoFile(app, 1)), before);
        clickTool(app, QStringLiteral("cmdAvanti"));
        clickTool(app, QStringLiteral("cmdIndietro"));
        QCOMPARE(shown(app).size(), QSize(40, 30));
    }

    void photoFolderDeletedByHand_isRecreated() {
        AppHarness app;
        writePhoto(app, 1, QSize(40, 30));
        openCards(app, 2);
        clickTool(app, QStringLiteral("cmdPrimo"));
        QVERIFY(QDir(vehicle_photo::folderIn(app.dir())).removeRecursively());
        clickTool(app, QStringLiteral("cmdAvanti"));
        QCOMPARE(shown(app), placeholder(app));
        QVERIFY(QDir(vehicle_photo::folderIn(app.dir())).isEmpty());
        clickTool(app, QStringLiteral("cmdIndietro"));
        QCOMPARE(shown(app), placeholder(app));
        clickTool(app, QStringLiteral("cmdSalva"));
        QVERIFY(QFile::exists(photoFile(app, 1)));
    }

    void photoThatCannotBeWritten_keepsTheCardSavedAndThePictureShown() {
        AppHarness app;
        openCards(app, 1);
        clickTool(app, QStringLiteral("cmdPrimo"));
        const QString bitmap = app.path(QStringLiteral("auto.bmp"));
        QVERIFY(solid(QSize(64, 48), Qt::blue).save(bitmap, "BMP"));
        app.dialogs().queue(bitmap);
        clickTool(app, QStringLiteral("btnCaricaFoto"));
        QDir(app.dir()).mkpath(QStringLiteral("Autoparco/Scheda_Veicolo_1.jpg")); // its place is taken
        app.control<QLineEdit>(kCard, QStringLiteral("txtColore"))->setText(QStringLiteral("Rosso"));
        clickTool(app, QStringLiteral("cmdSalva"));
        QCOMPARE(app.dialogs().prompts().last().text,
                 QStringLiteral("Le modifiche apportate alla scheda corrente sono state salvate in archivio."));
        QCOMPARE(fixtures::readVehicles(app.dir()).at(0)[F::Colore], QStringLiteral("Rosso"));
        QCOMPARE(shown(app).size(), QSize(64, 48));
    }

    void duplicate_startsWithThePlaceholderAndKeepsTheOriginalPhoto() {
        AppHarness app;
        writePhoto(app, 1, QSize(40, 30));
        openCards(app, 1);
        clickTool(app, QStringLiteral("cmdPrimo"));
        const QByteArray original = fixtures::readFile(photoFile(app, 1));
        clickTool(app, QStringLiteral("cmdDuplica"));
        QCOMPARE(shown(app), placeholder(app));
        clickTool(app, QStringLiteral("cmdSalva"));
        QCOMPARE(vehicle_photo::read(photoFile(app, 2)).size(), placeholder(app).size());
        QCOMPARE(fixtures::readFile(photoFile(app, 1)), original);
    }

    void largePicture_isKeptAtItsOwnSize() {
        AppHarness app;
        const QString big = app.path(QStringLiteral("grande.jpg"));
        {
            QImage image(8000, 6000, QImage::Format_RGB32);
            image.fill(QColor(0x30, 0x60, 0x90));
            QVERIFY(image.save(big, "JPEG"));
        }
        openCards(app, 1);
        clickTool(app, QStringLiteral("cmdPrimo"));
        app.dialogs().queue(big);
        QElapsedTimer timer;
        timer.start();
        clickTool(app, QStringLiteral("btnCaricaFoto"));
        app.control<PictureBox>(kCard, QStringLiteral("imgFoto"))->grab(); // the scaled display
        const qint64 loaded = timer.restart();
        QCOMPARE(shown(app).size(), QSize(8000, 6000));
        clickTool(app, QStringLiteral("cmdSalva"));
        const qint64 saved = timer.elapsed();
        qInfo("8000 x 6000: loaded and shown in %lld ms, stored in %lld ms", loaded, saved);
        QCOMPARE(vehicle_photo::read(photoFile(app, 1)).size(), QSize(8000, 6000));
    }

    void zoom_showsThePhotoLargeAndClosesOnAClick_data() {
        QTest::addColumn<QString>("clicked");
        QTest::newRow("on the picture") << "imgFoto";
        QTest::newRow("on the panel") << "panContainer";
    }
    void zoom_showsThePhotoLargeAndClosesOnAClick() {
        QFETCH(QString, clicked);
        AppHarness app;
        openCards(app, 1);
        clickTool(app, QStringLiteral("btnZoomFoto"));
        QWidget* zoom = app.screen(kZoom);
        QVERIFY(zoom);
        QCOMPARE(zoom->windowTitle(), QStringLiteral(" Fai clic sulla foto per chiudere questa finestra"));
        QVERIFY(zoom->isModal());
        auto* picture = app.control<PictureBox>(kZoom, QStringLiteral("imgFoto"));
        QCOMPARE(picture->picture(), placeholder(app));
        QCOMPARE(picture->size(), zoom->screen()->size() - QSize(60, 90));
        QWidget* target = app.control(kZoom, clicked);
        if (clicked == QLatin1String("panContainer"))
            QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(1, 1));
        else
            AppHarness::click(target);
        QVERIFY(!app.screen(kZoom));
        QCOMPARE(shown(app), placeholder(app));
    }
};

VESTRANO_TEST(VehiclePhotoTest)
#include "vehicle_photo_test.moc"
