#pragma once

#include "ui/screen_parts.h"

#include <QColor>
#include <QList>
#include <QRect>
#include <QString>

#include <array>

class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

// The criteria side of the search windows (vehicle search, cost search): an explanation,
// a picture, ten criteria fields two to a row with their captions and yellow focus frames
// (Return goes round them), the wait line shown as soon as the mouse button goes down on
// btnCerca, the hidden criteria count lblConta, and the buttons btnAnnulla "Chiudi" and
// btnCerca "Cerca". The window wires the two buttons.
namespace criteria_panel {

struct Criterion {
    const char* field;   // txt...
    const char* label;   // lblCampoNN
    const char* caption; // the caption's words
    const char* frame;   // effCampoNN
};

struct Parts {
    QList<QLineEdit*> fields; // in the order given
    QLabel* wait = nullptr;   // lblAttendere, hidden
    QLabel* count = nullptr;  // lblConta, hidden
    QPushButton* close = nullptr;
    QPushButton* search = nullptr;
};

Parts build(QWidget* panel, const std::array<Criterion, 10>& criteria);

// The two panels of a search window, in the same place: panAvvio (criteria) shown first,
// panContainer (results) hidden until a search replaces the one with the other.
struct Panels {
    QWidget* criteria = nullptr;
    QWidget* results = nullptr;
};
Panels makePanels(QWidget* window);

// A white box of words, centred and wrapped: the windows' banners and explanation lines.
QLabel* wordsBox(QWidget* parent, const QString& name, const QRect& place, const QString& text,
                 QColor colour, int pixelSize, bool bold);

// The dark cyan line of the search windows ("Attendere...", the count of rows found), straight
// on the panel's gradient.
screen_parts::TextLook noticeLook();

} // namespace criteria_panel
