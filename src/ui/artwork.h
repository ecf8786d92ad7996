#pragma once

#include <QColor>
#include <QIcon>
#include <QPixmap>
#include <QSize>
#include <QString>

// The program's own pictures, painted at run time so that every word they carry is exactly
// the program's text and the look stays the same at any size.
namespace art {

enum class Glyph {
    Info, Help, Exit, Credits, New, Duplicate, Save, Find, Attach, First, Previous, Next, Last,
    Export, Slideshow, Print, Preview, Unpaid, Chart, Photo, Eraser, Open, Zoom, Calendar
};

enum class Tile { Fleet, Deadlines, Costs };

// A word picture: text centred on a transparent ground.
QPixmap words(QSize size, const QString& text, QColor colour, int pixelSize, bool bold = true,
              Qt::Alignment align = Qt::AlignCenter);
// A button picture: rounded gradient plate with white capitals.
// White words on a flat band of colour: the heading strips of lists and windows.
QPixmap strip(QSize size, const QString& text, QColor ground, int pixelSize = 16);
QPixmap buttonPicture(QSize size, const QString& text, QColor base = QColor(0x30, 0x30, 0xDD));
// A photo tile of the main menu.
QPixmap tile(QSize size, Tile kind);
// A small symbol on a rounded plate.
QPixmap glyph(QSize size, Glyph kind);
QIcon glyphIcon(Glyph kind);
// A padlock with a title, a line of text and an optional red line beneath.
QPixmap padlock(QSize size, const QString& title, const QString& line, const QString& redLine = {});
// A car drawn in outline, for a card without its own photo.
QPixmap carPlaceholder(QSize size);
// A car in colour on a transparent ground, for headings.
QPixmap car(QSize size, QColor body = QColor(0xC0, 0x20, 0x20));
// The program icon.
QPixmap programIcon(QSize size);

} // namespace art
