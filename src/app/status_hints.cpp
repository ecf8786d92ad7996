#include "app/status_hints.h"

#include <QEvent>
#include <QLabel>

StatusHints::StatusHints(QLabel* statusLine, QObject* parent) : QObject(parent), m_statusLine(statusLine) {}

void StatusHints::add(QWidget* widget, const QString& hint) {
    m_hints.insert(widget, hint);
    widget->setMouseTracking(true);
    widget->installEventFilter(this);
}

bool StatusHints::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseMove || event->type() == QEvent::Enter) {
        const auto it = m_hints.constFind(watched);
        if (it != m_hints.constEnd() && m_statusLine->text() != *it)
            m_statusLine->setText(*it);
    }
    return false;
}
