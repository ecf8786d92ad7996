#pragma once

#include <QColor>

#include <functional>

class QLineEdit;

// How the edit fields of the vehicle card react to focus and keys.
namespace card_fields {

inline const QColor kAliceBlue{0xF0, 0xF8, 0xFF};
inline const QColor kFocusYellow{0xFF, 0xFF, 0x00};
inline const QColor kSkyBlue{0x87, 0xCE, 0xEB};

// Idle colour, yellow while focused, sky-blue border; the colour fills the box to the border.
void setColours(QLineEdit* field, QColor idle);
// Refuses the plate's forbidden characters as they are typed, and keeps the text trimmed and
// in capitals after every change the user makes (typing, pasting, dropping, undoing).
void makePlateField(QLineEdit* field);
// Read-only: Backspace/Delete empty it, Return and Tab move on, any other key asks for the
// calendar once per key press.
void makeDateField(QLineEdit* field, std::function<void()> openCalendar);

} // namespace card_fields
