#pragma once

#include <QString>

class QWidget;

// Writes into another screen's control found by its name, whatever kind of text control it
// is (edit field, drop-down edit field, label). A screen that hands data over this way keeps
// working while the receiving screen grows. Returns false when there is no such control.
bool setControlText(QWidget* screen, const QString& controlName, const QString& text);
