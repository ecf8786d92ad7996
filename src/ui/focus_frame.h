#pragma once

#include <QString>

class QWidget;

// A yellow rectangle behind an edit field, shown only while the field has the focus.
// Named "eff" + the field's name without its prefix (txtPassword -> effPassword).
QWidget* addFocusFrame(QWidget* field, int margin = 3);
