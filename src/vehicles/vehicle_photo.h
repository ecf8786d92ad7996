#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QtGlobal>

// Each card's photo lives in Autoparco/Scheda_Veicolo_<n>.jpg, n being the card's position in
// the vehicle file: the only link between a card and its photo.
namespace vehicle_photo {

inline constexpr const char* kFolder = "Autoparco";

// A photo file is shared by every copy of the program on the folder: an absurd one must not
// exhaust memory in all of them. 256 MB admits an uncompressed 24-bit bitmap of 85 megapixels;
// 100 megapixels is twice a current camera's picture (400 MB once decoded).
inline constexpr qint64 kMaxFileBytes = qint64(256) << 20;
inline constexpr qint64 kMaxPixels = 100'000'000;

QString folderIn(const QString& programDir);
// `position` as the card screen shows it; blanks around it are ignored.
QString pathFor(const QString& programDir, const QString& position);

// Reads a JPEG or BMP picture at its full size, decoding from the file. A null image when the
// file is missing, empty, truncated, not a picture, not a regular file (a pipe is never waited
// on) or over the caps above.
QImage read(const QString& path);
// Replaces `path` only once the whole picture is encoded and on disk: a failed write keeps the
// old file byte for byte and says why in `error`. The format is taken from `format`, or else
// from the file's extension.
bool write(const QImage& picture, const QString& path, const QByteArray& format = {},
           QString* error = nullptr);

// The folder is (re)created before every load and save, so deleting it by hand is survived.
QImage loadCard(const QString& programDir, const QString& position);
bool saveCard(const QString& programDir, const QString& position, const QImage& picture,
              QString* error = nullptr);

} // namespace vehicle_photo
