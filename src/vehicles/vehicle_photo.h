#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// Each card's photo lives in Autoparco/Scheda_Veicolo_<n>.jpg, n being the card's position in
// the vehicle file: the only link between a card and its photo.
namespace vehicle_photo {

inline constexpr const char* kFolder = "Autoparco";

QString folderIn(const QString& programDir);
// `position` as the card screen shows it; blanks around it are ignored.
QString pathFor(const QString& programDir, const QString& position);

// Reads a JPEG or BMP picture at its full size. A null image when the file is missing, empty,
// truncated or not a picture.
QImage read(const QString& path);
// Replaces `path` only once the whole picture is encoded: a failed write keeps the old file.
// The format is taken from `format`, or else from the file's extension.
bool write(const QImage& picture, const QString& path, const QByteArray& format = {});

// The folder is (re)created before every load and save, so deleting it by hand is survived.
QImage loadCard(const QString& programDir, const QString& position);
bool saveCard(const QString& programDir, const QString& position, const QImage& picture);

} // namespace vehicle_photo
