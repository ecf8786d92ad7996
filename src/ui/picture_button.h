#pragma once

#include <QPixmap>
#include <QRect>
#include <QString>

class QPushButton;
class QWidget;

// A clickable picture: a flat button showing the pixmap at its full size, with the hand cursor.
QPushButton* makePictureButton(QWidget* parent, const QString& name, const QPixmap& picture,
                               const QRect& geometry);
