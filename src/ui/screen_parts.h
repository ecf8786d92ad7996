#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

class QLabel;
class QPushButton;
class QWidget;

// The plain controls screens are built from, placed at fixed positions.
namespace screen_parts {

// A filled rectangle (background boxes, frames).
QWidget* box(QWidget* parent, const QString& name, const QRect& r, const QColor& colour);
QLabel* label(QWidget* parent, const QString& name, const QString& text, const QRect& r, const QFont& font,
              const QColor& colour, Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter);
// panInfo: the one-line status line where a screen's StatusHints write.
QLabel* statusLine(QWidget* parent, const QRect& r, const QString& text = {});
// Verdana bold 10, hand cursor.
QPushButton* button(QWidget* parent, const QString& name, const QString& text, const QRect& r);
// A button of a dialog screen: Return in the dialog's fields must not press it.
QPushButton* dialogButton(QWidget* parent, const QString& name, const QString& text, const QRect& r);

} // namespace screen_parts
