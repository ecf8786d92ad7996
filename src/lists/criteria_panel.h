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
// The results side shares only its banner and the hint under the list; the rest differs.
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

// The top of a search window's results panel: the banner (imgLogo) and how to find in the list
// (icoIstruzioni01).
void resultsBanner(QWidget* panel, const QString& banner);
// The line under the list (lblRigo03) saying a double click opens the row's record.
void resultsHint(QWidget* panel);

// The dark cyan line of the search windows ("Attendere...", the count of rows found), straight
// on the panel's gradient.
screen_parts::TextLook noticeLook();

} // namespace criteria_panel
