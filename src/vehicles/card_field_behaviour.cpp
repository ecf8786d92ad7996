#include "vehicles/card_field_behaviour.h"

#include "vehicles/plate_rules.h"

#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>

namespace card_fields {

namespace {

class PlateKeys : public QObject {
public:
    explicit PlateKeys(QLineEdit* field) : QObject(field) { field->installEventFilter(this); }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::KeyPress)
            return false;
        const QString typed = static_cast<QKeyEvent*>(event)->text();
        for (QChar c : typed)
            if (plate::isRefused(c))
                return true;
        return false;
    }
};

class DateKeys : public QObject {
public:
    DateKeys(QLineEdit* field, std::function<void()> openCalendar)
        : QObject(field), m_field(field), m_openCalendar(std::move(openCalendar)) {
        field->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::KeyPress)
            return false;
        auto* key = static_cast<QKeyEvent*>(event);
        switch (key->key()) {
        case Qt::Key_Backspace:
        case Qt::Key_Delete:
            m_field->clear();
            return true;
        case Qt::Key_Return:
        case Qt::Key_Enter: // the Return chain moves on
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
        case Qt::Key_Shift: // a modifier alone is not a key press of its own
        case Qt::Key_Control:
        case Qt::Key_Alt:
        case Qt::Key_AltGr:
        case Qt::Key_Meta:
        case Qt::Key_CapsLock:
        case Qt::Key_NumLock:
            return false;
        default:
            break;
        }
        if (key->matches(QKeySequence::Copy) || key->matches(QKeySequence::SelectAll))
            return false;
        if (!key->isAutoRepeat())
            m_openCalendar();
        return true;
    }

private:
    QLineEdit* m_field;
    std::function<void()> m_openCalendar;
};

} // namespace

void setColours(QLineEdit* field, QColor idle) {
    field->setStyleSheet(QStringLiteral("QLineEdit { background-color: %1; border: 1px solid %2; padding: 0px; }"
                                        "QLineEdit:focus { background-color: %3; }")
                             .arg(idle.name(), kSkyBlue.name(), kFocusYellow.name()));
}

void makePlateField(QLineEdit* field) {
    new PlateKeys(field);
    QObject::connect(field, &QLineEdit::textEdited, field, [field](const QString& text) {
        int cursor = field->cursorPosition();
        const QString clean = plate::normalised(text, &cursor);
        if (clean == text)
            return;
        field->setText(clean);
        field->setCursorPosition(cursor);
    });
}

void makeDateField(QLineEdit* field, std::function<void()> openCalendar) {
    field->setReadOnly(true);
    new DateKeys(field, std::move(openCalendar));
}

} // namespace card_fields
