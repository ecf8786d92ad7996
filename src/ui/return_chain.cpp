#include "ui/return_chain.h"

#include <QKeyEvent>
#include <QWidget>

namespace {

class ReturnMover : public QObject {
public:
    ReturnMover(QWidget* field, QWidget* next) : QObject(field), m_next(next) { field->installEventFilter(this); }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::KeyPress)
            return false;
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key != Qt::Key_Return && key != Qt::Key_Enter)
            return false;
        m_next->setFocus(Qt::TabFocusReason);
        return true;
    }

private:
    QWidget* m_next;
};

} // namespace

void chainReturn(const QList<QWidget*>& order, bool wrap) {
    for (qsizetype i = 0; i < order.size(); ++i) {
        const bool last = i + 1 == order.size();
        if (last && !wrap)
            break;
        new ReturnMover(order[i], order[last ? 0 : i + 1]);
    }
    for (qsizetype i = 0; i + 1 < order.size(); ++i)
        QWidget::setTabOrder(order[i], order[i + 1]);
}
