#pragma once

class QLineEdit;
class QString;

// A four-digit year field: only the digits 0 to 9 and the editing keys (Backspace, Delete, the
// arrows, Home and End, with Shift to select; select all, copy, cut, paste) reach it; every
// other key is discarded. Return and Tab are left to the screen's focus order. A paste or drop
// that would leave anything but digits in the field is refused whole.
void makeYearField(QLineEdit* field);

// The only year text that may name a year file: exactly four digits.
bool isYearText(const QString& text);
