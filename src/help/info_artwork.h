#pragma once

#include <QPixmap>
#include <QSize>
#include <QString>

// Pictures of the help, about, credits and slideshow screens, painted like the rest of art::.
namespace art {

QPixmap pdfIcon(QSize size);
QPixmap envelopeIcon(QSize size);
QPixmap globeIcon(QSize size);
// A heading: an icon on the left, the words beside it.
QPixmap heading(QSize size, const QPixmap& icon, const QString& words);
// The about picture: program name, what it does, version and maker.
QPixmap aboutPicture(QSize size, const QString& maker);
// The maker's credits.
QPixmap creditsPicture(QSize size, const QString& maker, const QString& webAddress);
// A sports car with "Avvio Slide Show" and "Attendere...".
QPixmap slideshowStart(QSize size);

} // namespace art

namespace art {

// A white heading with an icon on the left and a few lines of wrapped instructions.
QPixmap instructions(QSize size, const QPixmap& icon, const QString& text);

} // namespace art
