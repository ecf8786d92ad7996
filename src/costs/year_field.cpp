#include "costs/year_field.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace {

class YearKeys : public QObject {
public:
    explicit YearKeys(QLineEdit* field) : QObject(field) { field->installEventFilter(this); }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        switch (key->key()) {
        case Qt::Key_Backspace:
        case Qt::Key_Delete:
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            return false;
        default:
            break;
        }
        const QString text = key->text();
        const bool digit = text.size() == 1 && text[0] >= u'0' && text[0] <= u'9' &&
                           !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
        return !digit;
    }
};

} // namespace

void makeYearField(QLineEdit* field) {
    field->setMaxLength(4);
    new YearKeys(field);
}
