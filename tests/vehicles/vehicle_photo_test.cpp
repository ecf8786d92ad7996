#include "support/app_harness.h"
#include "support/file_size_limit.h"
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
#include <QtEndian>

#include <sys/stat.h>

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

// A picture whose JPEG is far larger than its bitmap header: noise does not compress.
QImage noisy(QSize size) {
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb(x * 7 % 256, y * 13 % 256, (x * y) % 256));
    return image;
}

// A run-length bitmap of 12000 x 10000 pixels in about a kilobyte: without a pixel cap the
// reader would allocate 120 MB for it.
QByteArray hugeRunLengthBitmap() {
    QByteArray header(54, '\0');
    const auto put16 = [&header](int at, quint16 v) { qToLittleEndian(v, header.data() + at); };
    const auto put32 = [&header](int at, quint32 v) { qToLittleEndian(v, header.data() + at); };
    header[0] = 'B';
    header[1] = 'M';
    put32(2, 54 + 1024 + 2);
    put32(10, 54 + 1024);
    put32(14, 40);
    put32(18, 12000);
    put32(22, 10000);
    put16(26, 1);
    put16(28, 8);
    put32(30, 1); // run-length encoded, 8 bits
    put32(34, 2);
    put32(46, 256);
    return header + QByteArray(1024, '\x7F') + QByteArray("\x00\x01", 2); // end of picture at once
}

// Replaces the file at `path` by something that is no photo the program may read.
void makeHostile(const QString& path, const QString& kind) {
    QFile::remove(path);
    if (kind == QLatin1String("fifo")) {
        QVERIFY(::mkfifo(QFile::encodeName(path).constData(), 0600) == 0);
    } else if (kind == QLatin1String("sparse 40 GB")) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(file.write("\xFF\xD8\xFF\xE0", 4) == 4);
        QVERIFY(file.resize(qint64(40) << 30));
    } else if (kind == QLatin1String("12000 x 10000 bitmap")) {
        fixtures::writeFile(path, hugeRunLengthBitmap());
    } else {
        QVERIFY(QDir().mkpath(path));
    }
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
            noisy(QSize(200, 150)).save(&buffer, "JPEG");
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

    }

    void saveCopyThatCannotBeWritten_warnsAndKeepsTheOldCopy_data() {
        QTest::addColumn<QString>("target");
        QTest::addColumn<bool>("diskFull");
        QTest::newRow("missing folder") << "no/such/folder/Foto.jpg" << false;
        QTest::newRow("no encoder for the extension") << "Foto.xyz" << false;
        QTest::newRow("disk full") << "Foto.jpg" << true;
    }
    void saveCopyThatCannotBeWritten_warnsAndKeepsTheOldCopy() {
        QFETCH(QString, target);
        QFETCH(bool, diskFull);
        AppHarness app;
        openCards(app, 1);
        clickTool(app, QStringLiteral("cmdPrimo"));
        const QString bitmap = app.path(QStringLiteral("auto.bmp"));
        QVERIFY(noisy(QSize(300, 200)).save(bitmap, "BMP"));
        app.dialogs().queue(bitmap);
        clickTool(app, QStringLiteral("btnCaricaFoto"));
        const QString copy = app.path(target);
        if (diskFull)
            fixtures::writeFile(copy, "copia precedente");
        app.dialogs().queue(copy);
        {
            const FileSizeLimit limit(diskFull ? 4000 : RLIM_INFINITY);
            clickTool(app, QStringLiteral("btnSalvaFoto"));
        }
        const Prompt warning = app.dialogs().prompts().last();
        QCOMPARE(app.dialogs().prompts().size(), 3);
        QCOMPARE(warning.kind, QStringLiteral("warning"));
        QVERIFY2(warning.text.startsWith(QStringLiteral("Impossibile salvare la foto:\n")), qPrintable(warning.text));
        QCOMPARE(fixtures::readFile(copy), diskFull ? QByteArray("copia precedente") : QByteArray());
        QCOMPARE(QDir(app.dir()).entryList(QDir::Files).size(), diskFull ? 3 : 2);
        // Saving the card afterwards must store the picture, not the placeholder.
        QCOMPARE(shown(app).size(), QSize(300, 200));
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

    void hostilePhotoFile_showsThePlaceholderWithoutWaiting_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("viaLoadButton");
        for (const char* kind : {"fifo", "sparse 40 GB", "12000 x 10000 bitmap", "folder"}) {
            QTest::addRow("%s, browsing", kind) << QString::fromLatin1(kind) << false;
            QTest::addRow("%s, Carica foto", kind) << QString::fromLatin1(kind) << true;
        }
    }
    void hostilePhotoFile_showsThePlaceholderWithoutWaiting() {
        QFETCH(QString, kind);
        QFETCH(bool, viaLoadButton);
        AppHarness app;
        writePhoto(app, 1, QSize(40, 30));
        openCards(app, 2);
        clickTool(app, QStringLiteral("cmdPrimo"));
        QCOMPARE(shown(app).size(), QSize(40, 30));
        const QString hostile = viaLoadButton ? app.path(QStringLiteral("scelta.jpg")) : photoFile(app, 2);
        makeHostile(hostile, kind);
        QElapsedTimer timer;
        timer.start();
        if (viaLoadButton) {
            app.dialogs().queue(hostile);
            clickTool(app, QStringLiteral("btnCaricaFoto"));
        } else {
            clickTool(app, QStringLiteral("cmdAvanti"));
        }
        QCOMPARE(shown(app), placeholder(app));
        QVERIFY2(timer.elapsed() < 2000, qPrintable(QString::number(timer.elapsed())));
        QCOMPARE(app.dialogs().prompts().size(), viaLoadButton ? 1 : 0);
    }

    void photoThatCannotBeStored_cardSavedThenWarned_data() {
        QTest::addColumn<bool>("diskFull");
        QTest::newRow("its place taken by a folder") << false;
        QTest::newRow("disk full") << true;
    }
    void photoThatCannotBeStored_cardSavedThenWarned() {
        QFETCH(bool, diskFull);
        AppHarness app;
        writePhoto(app, 1, QSize(40, 30));
        openCards(app, 1);
        clickTool(app, QStringLiteral("cmdPrimo"));
        const QString bitmap = app.path(QStringLiteral("auto.bmp"));
        QVERIFY(noisy(QSize(300, 200)).save(bitmap, "BMP"));
        app.dialogs().queue(bitmap);
        clickTool(app, QStringLiteral("btnCaricaFoto"));
        QByteArray before;
        if (diskFull) {
            before = fixtures::readFile(photoFile(app, 1));
        } else {
            QVERIFY(QFile::remove(photoFile(app, 1)));
            QDir(app.dir()).mkpath(QStringLiteral("Autoparco/Scheda_Veicolo_1.jpg")); // its place is taken
        }
        app.control<QLineEdit>(kCard, QStringLiteral("txtColore"))->setText(QStringLiteral("Rosso"));
        {
            const FileSizeLimit limit(diskFull ? 4000 : RLIM_INFINITY); // the card fits, the photo does not
            clickTool(app, QStringLiteral("cmdSalva"));
        }
        const QList<Prompt> prompts = app.dialogs().prompts().mid(1);
        QCOMPARE(prompts.size(), 2);
        QCOMPARE(prompts.at(0).kind, QStringLiteral("information"));
        QCOMPARE(prompts.at(0).text,
                 QStringLiteral("Le modifiche apportate alla scheda corrente sono state salvate in archivio."));
        QCOMPARE(prompts.at(1).kind, QStringLiteral("warning"));
        QVERIFY2(prompts.at(1).text.startsWith(QStringLiteral("Impossibile salvare la foto del veicolo:\n")),
                 qPrintable(prompts.at(1).text));
        QVERIFY(prompts.at(1).text.size() > 42); // with its reason
        QCOMPARE(fixtures::readVehicles(app.dir()).at(0)[F::Colore], QStringLiteral("Rosso"));
        QCOMPARE(shown(app).size(), QSize(300, 200));
        if (diskFull) {
            QCOMPARE(fixtures::readFile(photoFile(app, 1)), before);
            QCOMPARE(QDir(vehicle_photo::folderIn(app.dir())).entryList(QDir::Files).size(), 1);
            // With room again, the same save stores the picture kept on screen.
            clickTool(app, QStringLiteral("cmdSalva"));
            QCOMPARE(vehicle_photo::read(photoFile(app, 1)).size(), QSize(300, 200));
        }
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
