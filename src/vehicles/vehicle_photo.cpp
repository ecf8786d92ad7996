#include "vehicles/vehicle_photo.h"

#include "records/text_rules.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>
#include <QSaveFile>

namespace vehicle_photo {

namespace {

// Qt's default refuses pictures above 128 MB decoded; a 48-megapixel camera photo needs 192.
constexpr int kAllocationLimitMB = 1024;

// libjpeg decodes a cut-off file into a half-grey picture without failing; a complete JPEG
// has its end marker after the last scan header.
bool jpegIsComplete(const QByteArray& data) {
    const qsizetype lastScan = data.lastIndexOf(QByteArrayLiteral("\xFF\xDA"));
    const qsizetype end = data.lastIndexOf(QByteArrayLiteral("\xFF\xD9"));
    return lastScan >= 0 && end > lastScan;
}

bool ensureFolder(const QString& programDir) {
    return QDir().mkpath(folderIn(programDir));
}

} // namespace

QString folderIn(const QString& programDir) {
    return programDir + QLatin1String(kFolder);
}

QString pathFor(const QString& programDir, const QString& position) {
    return folderIn(programDir) + QStringLiteral("/Scheda_Veicolo_") + text::trimmed(position) +
           QStringLiteral(".jpg");
}

QImage read(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QByteArray data = file.readAll();
    file.close();
    if (data.isEmpty())
        return {};
    if (QImageReader::allocationLimit() < kAllocationLimitMB)
        QImageReader::setAllocationLimit(kAllocationLimitMB);
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setAutoTransform(true); // camera photos come out upright
    const QByteArray format = reader.format();
    if (format == "jpeg" && !jpegIsComplete(data))
        return {};
    return reader.read();
}

bool write(const QImage& picture, const QString& path, const QByteArray& format) {
    if (picture.isNull())
        return false;
    const QByteArray encoding = format.isEmpty() ? QFileInfo(path).suffix().toLower().toLatin1() : format;
    if (!QImageWriter::supportedImageFormats().contains(encoding))
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QImageWriter writer(&file, encoding);
    if (!writer.write(picture)) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

QImage loadCard(const QString& programDir, const QString& position) {
    if (text::isBlank(position) || !ensureFolder(programDir))
        return {};
    return read(pathFor(programDir, position));
}

bool saveCard(const QString& programDir, const QString& position, const QImage& picture) {
    if (text::isBlank(position) || !ensureFolder(programDir))
        return false;
    return write(picture, pathFor(programDir, position), "jpeg");
}

} // namespace vehicle_photo
