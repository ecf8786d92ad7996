#include "vehicles/vehicle_photo.h"

#include "records/text_rules.h"
#include "records/whole_file_save.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>

#include <algorithm>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vehicle_photo {

namespace {

// Qt's default refuses pictures above 128 MB decoded; the pixel cap needs 400.
constexpr int kAllocationLimitMB = 512;

// Opened without waiting (a pipe or device under a photo's name would block the open) and
// kept only when it is a regular file within the size cap; the check is made on the opened
// file, so a file swapped in after a look at the name cannot slip through.
bool openPhotoFile(const QString& path, QFile& file) {
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || st.st_size <= 0 || st.st_size > kMaxFileBytes ||
        !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return false;
    }
    return true;
}

bool startsAsJpeg(QFile& file) {
    const QByteArray head = file.peek(2);
    return head == QByteArrayLiteral("\xFF\xD8");
}

// libjpeg decodes a cut-off file into a half-grey picture without failing; a complete JPEG
// has its end marker after the last scan header. Looked for from the end, so a whole photo
// costs one small read.
bool jpegIsComplete(QFile& file) {
    constexpr qint64 kBlock = 64 * 1024;
    qint64 end = file.size();
    QByteArray carried; // the first byte of the block read before, for a marker split in two
    while (end > 0) {
        const qint64 start = std::max<qint64>(0, end - kBlock);
        if (!file.seek(start))
            return false;
        QByteArray block = file.read(end - start);
        if (block.size() != end - start)
            return false;
        block += carried;
        for (qsizetype i = block.size() - 2; i >= 0; --i) {
            if (static_cast<uchar>(block[i]) != 0xFF)
                continue;
            const auto marker = static_cast<uchar>(block[i + 1]);
            if (marker == 0xD9)
                return true;
            if (marker == 0xDA)
                return false;
        }
        carried = block.left(1);
        end = start;
    }
    return false;
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
    QFile file;
    if (!openPhotoFile(path, file))
        return {};
    if (startsAsJpeg(file) && (!jpegIsComplete(file) || !file.seek(0)))
        return {};
    if (QImageReader::allocationLimit() < kAllocationLimitMB)
        QImageReader::setAllocationLimit(kAllocationLimitMB);
    QImageReader reader(&file);
    reader.setAutoTransform(true); // camera photos come out upright
    // A bitmap header can announce any size in a few bytes.
    const QSize size = reader.size();
    if (size.isValid() && qint64(size.width()) * size.height() > kMaxPixels)
        return {};
    return reader.read();
}

bool write(const QImage& picture, const QString& path, const QByteArray& format, QString* error) {
    const auto fail = [error](const QString& why) {
        if (error)
            *error = why;
        return false;
    };
    if (picture.isNull())
        return fail(QStringLiteral("nessuna immagine da salvare"));
    const QByteArray encoding = format.isEmpty() ? QFileInfo(path).suffix().toLower().toLatin1() : format;
    if (!QImageWriter::supportedImageFormats().contains(encoding))
        return fail(QStringLiteral("formato di immagine \"%1\" non supportato").arg(QString::fromLatin1(encoding)));
    // Encoded in memory first: the encoders do not check every write they make, the save
    // routine does.
    QByteArray encoded;
    QBuffer buffer(&encoded);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, encoding);
    if (!writer.write(picture))
        return fail(writer.errorString());
    return saveWholeFile(path, encoded, error);
}

QImage loadCard(const QString& programDir, const QString& position) {
    if (text::isBlank(position) || !ensureFolder(programDir))
        return {};
    return read(pathFor(programDir, position));
}

bool saveCard(const QString& programDir, const QString& position, const QImage& picture, QString* error) {
    if (text::isBlank(position))
        return false;
    if (!ensureFolder(programDir)) {
        if (error)
            *error = QStringLiteral("impossibile creare la cartella %1")
                         .arg(QDir::toNativeSeparators(folderIn(programDir)));
        return false;
    }
    return write(picture, pathFor(programDir, position), "jpeg", error);
}

} // namespace vehicle_photo
