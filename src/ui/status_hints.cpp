#include "ui/status_hints.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>

StatusHints::StatusHints(QLabel* statusLine, QObject* parent) : QObject(parent), m_statusLine(statusLine) {}

void StatusHints::add(QWidget* widget, const QString& hint) {
    m_hints.insert(widget, hint);
    widget->setMouseTracking(true);
    widget->installEventFilter(this);
}

bool StatusHints::eventFilter(QObject* watched, QEvent* event) {
    // Only real movement counts: a window appearing under a still pointer changes nothing.
    if (event->type() == QEvent::MouseMove) {
        const auto it = m_hints.constFind(watched);
        if (it != m_hints.constEnd() && m_statusLine->text() != *it)
            m_statusLine->setText(*it);
        // A plain move stops here: passed on, it would reach the background behind the
        // command and clear the hint again.
        return static_cast<QMouseEvent*>(event)->buttons() == Qt::NoButton;
    }
    return false;
}
