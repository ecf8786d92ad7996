#include "ui/keyboard_habits.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QPushButton>
#include <QToolButton>

namespace {

bool isReturn(const QKeyEvent& key) {
    return (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter) &&
           (key.modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

// Push and tool buttons only: Return on a check box is not a click anyone expects.
QAbstractButton* buttonReturnShouldPress(QObject* watched) {
    auto* button = qobject_cast<QAbstractButton*>(watched);
    if (!button || !button->hasFocus() || !button->isEnabled())
        return nullptr;
    if (auto* push = qobject_cast<QPushButton*>(button))
        // A dialog's own buttons already take Return.
        return push->autoDefault() || push->isDefault() ? nullptr : push;
    return qobject_cast<QToolButton*>(button);
}

// Unseen by design: no size, or placed outside its parent. (A control that a small window
// merely cuts off is still there to be reached.)
bool isSeen(const QWidget* w) {
    const QWidget* parent = w->parentWidget();
    return w->isVisible() && !w->size().isEmpty() && (!parent || parent->rect().intersects(w->geometry()));
}

bool takesTab(const QWidget* w, const QWidget* window) {
    return w->window() == window && (w->focusPolicy() & Qt::TabFocus) == Qt::TabFocus && w->isEnabled() &&
           !w->focusProxy() && isSeen(w);
}

// The next control Tab (or Shift+Tab) should reach after `from`, skipping the unseen ones.
QWidget* nextSeenStop(QWidget* from, bool forward) {
    const QWidget* window = from->window();
    for (QWidget* w = forward ? from->nextInFocusChain() : from->previousInFocusChain(); w && w != from;
         w = forward ? w->nextInFocusChain() : w->previousInFocusChain())
        if (takesTab(w, window))
            return w;
    return nullptr;
}

} // namespace

KeyboardHabits::KeyboardHabits(QObject* parent) : QObject(parent) {
    qApp->installEventFilter(this);
}

KeyboardHabits::~KeyboardHabits() {
    qApp->removeEventFilter(this);
}

bool KeyboardHabits::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && isReturn(*static_cast<QKeyEvent*>(event))) {
        if (QAbstractButton* button = buttonReturnShouldPress(watched)) {
            button->click();
            return true;
        }
    } else if (event->type() == QEvent::FocusIn) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        auto* w = qobject_cast<QWidget*>(watched);
        if (w && w->isWindow() == false && (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason) &&
            !isSeen(w))
            if (QWidget* next = nextSeenStop(w, reason == Qt::TabFocusReason))
                next->setFocus(reason);
    }
    return false;
}
