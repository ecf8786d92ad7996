#pragma once

#include <QColor>

class QWidget;

// Fills the whole widget with a top-to-bottom gradient; call from its paintEvent.
void paintVerticalGradient(QWidget* widget, QColor top, QColor bottom);
