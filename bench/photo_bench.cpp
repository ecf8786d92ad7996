// Time to load, show and store a large camera photo as the card screen does.
// Usage: photo_bench [width height]   (default 8000 x 6000)
#include "vehicles/vehicle_photo.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QPainter>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <cstdio>

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const int width = argc > 2 ? std::atoi(argv[1]) : 8000;
    const int height = argc > 2 ? std::atoi(argv[2]) : 6000;
    QTemporaryDir dir;
    const QString programDir = dir.path() + QStringLiteral("/");

    // Detail like a real photo's: smooth shapes over fine noise, so JPEG has work to do.
    QImage photo(width, height, QImage::Format_RGB32);
    QRandomGenerator random(42);
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(photo.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const int n = int(random.bounded(48));
            line[x] = qRgb((x / 31 + n) & 0xFF, (y / 23 + n) & 0xFF, ((x + y) / 41 + n) & 0xFF);
        }
    }
    const QString source = programDir + QStringLiteral("camera.jpg");
    photo.save(source, "JPEG");
    photo = QImage();

    QElapsedTimer timer;
    timer.start();
    const QImage loaded = vehicle_photo::read(source);
    const qint64 read = timer.restart();
    const QImage shown = loaded.scaled(QSize(308, 173), Qt::KeepAspectRatio, Qt::SmoothTransformation);
    const qint64 scaled = timer.restart();
    const bool stored = vehicle_photo::saveCard(programDir, QStringLiteral("1"), loaded);
    const qint64 saved = timer.elapsed();
    std::printf("%d x %d photo: read %lld ms, scaled for the photo box %lld ms, stored as the card's photo %lld ms%s\n",
                loaded.width(), loaded.height(), read, scaled, saved, stored ? "" : " (FAILED)");
    return stored && !shown.isNull() ? 0 : 1;
}
