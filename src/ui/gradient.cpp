#include "ui/gradient.h"

#include <QLinearGradient>
#include <QPainter>
#include <QWidget>

void paintVerticalGradient(QWidget* widget, QColor top, QColor bottom) {
    QPainter painter(widget);
    QLinearGradient gradient(0, 0, 0, widget->height());
    gradient.setColorAt(0, top);
    gradient.setColorAt(1, bottom);
    painter.fillRect(widget->rect(), gradient);
}
