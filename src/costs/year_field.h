#pragma once

class QLineEdit;

// A four-digit year field: only the digits 0 to 9, Backspace, Delete, Left and Right reach it;
// every other key is discarded. Return and Tab are left to the screen's focus order.
void makeYearField(QLineEdit* field);
