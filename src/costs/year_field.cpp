#include "costs/year_field.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QRegularExpressionValidator>

#include <algorithm>

namespace {

class YearKeys : public QObject {
public:
    explicit YearKeys(QLineEdit* field) : QObject(field) { field->installEventFilter(this); }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        // Editing keys of any text field; what they paste still meets the validator.
        for (const QKeySequence::StandardKey editing :
             {QKeySequence::SelectAll, QKeySequence::Copy, QKeySequence::Cut, QKeySequence::Paste})
            if (key->matches(editing))
                return false;
        switch (key->key()) {
        case Qt::Key_Backspace:
        case Qt::Key_Delete:
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_Home:
        case Qt::Key_End:
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
    // Keys are only one way in: paste and drop go through the validator, so no text but
    // digits can reach the year file's name.
    field->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,4}")), field));
}

bool isYearText(const QString& text) {
    return text.size() == 4 && std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}
