#pragma once

#include <QPixmap>
#include <QRect>
#include <QString>

class QPushButton;
class QWidget;

// A clickable picture: a flat button showing the pixmap at its full size, with the hand cursor.
// It shows no text, so `accessibleName` (Italian, what it does) is what a screen reader says.
QPushButton* makePictureButton(QWidget* parent, const QString& name, const QPixmap& picture,
                               const QRect& geometry, const QString& accessibleName);
