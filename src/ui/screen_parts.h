#pragma once

#include "ui/artwork.h"

#include <QColor>
#include <QFont>
#include <QPixmap>
#include <QRect>
#include <QString>

class QLabel;
class QPushButton;
class QWidget;

// The plain controls screens are built from, placed at fixed positions. Every maker takes the
// same first three: the parent, the control's name and its place on the parent; then what it
// shows, then how it looks.
namespace screen_parts {

// How a text reads. An invalid colour or fill leaves the palette's own; no fill is drawn by
// default.
struct TextLook {
    QFont font;
    QColor colour = {};
    Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter;
    bool wrap = false;
    QColor fill = {};
};

// A filled rectangle (background boxes, frames).
QWidget* box(QWidget* parent, const QString& name, const QRect& place, const QColor& fill);
QLabel* label(QWidget* parent, const QString& name, const QRect& place, const QString& text,
              const TextLook& look);
// A picture at its own size in `place`.
QLabel* picture(QWidget* parent, const QString& name, const QRect& place, const QPixmap& picture);
// An invisible label a screen keeps a value in (lblFile, lblMemory, the caller marks).
QLabel* hiddenLabel(QWidget* parent, const QString& name, const QString& text = {});

// Verdana bold 10 unless told, hand cursor.
QPushButton* button(QWidget* parent, const QString& name, const QRect& place, const QString& text,
                    const QFont& font = {});
// A button of a dialog screen: Return in the dialog's fields must not press it.
QPushButton* dialogButton(QWidget* parent, const QString& name, const QRect& place,
                          const QString& text);
// A clickable picture: a flat button showing the pixmap at its full size, with the hand cursor.
// It shows no text, so `accessibleName` (Italian, what it does) is what a screen reader says.
QPushButton* pictureButton(QWidget* parent, const QString& name, const QRect& place,
                           const QPixmap& picture, const QString& accessibleName);
// A picture button showing one of the program's glyphs (help, exit ...) drawn at its size.
QPushButton* glyphButton(QWidget* parent, const QString& name, const QRect& place, art::Glyph glyph,
                         const QString& accessibleName);

// panInfo: the one-line status line where a screen's StatusHints write, white Tahoma 12 on `fill`.
QLabel* statusLine(QWidget* parent, const QRect& place, const QString& text, const QColor& fill);

} // namespace screen_parts
