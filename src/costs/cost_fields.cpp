#include "costs/cost_fields.h"

#include "costs/cost_rules.h"
#include "records/text_rules.h"

#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QValidator>

#include <algorithm>
#include <functional>

namespace cost_fields {

namespace {

bool isReturn(int key) {
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

bool isFocusMove(int key) {
    return key == Qt::Key_Tab || key == Qt::Key_Backtab;
}

// The user really leaves the field: not a drop-down opening, not another window in front.
bool isRealLeave(const QFocusEvent* event) {
    return event->reason() != Qt::PopupFocusReason && event->reason() != Qt::ActiveWindowFocusReason;
}

class SelectionClearer : public QObject {
public:
    explicit SelectionClearer(QComboBox* field) : QObject(field), m_field(field) { field->installEventFilter(this); }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::FocusIn && static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason)
            clearListSelection(m_field);
        return false;
    }

private:
    QComboBox* m_field;
};

class PickOnlyField : public QObject {
public:
    PickOnlyField(QComboBox* field, std::function<bool(const QString&)> listed)
        : QObject(field), m_field(field), m_listed(std::move(listed)) {
        field->installEventFilter(this);
        field->lineEdit()->installEventFilter(this);
        // Neither a paste from the context menu.
        field->lineEdit()->setContextMenuPolicy(Qt::NoContextMenu);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress)
            return keyPress(static_cast<QKeyEvent*>(event));
        if (event->type() == QEvent::Wheel) // the wheel would change the value past the list
            return true;
        // qobject_cast fails on a field already half destroyed, which still loses the focus.
        if (event->type() == QEvent::FocusOut && qobject_cast<QComboBox*>(watched) == m_field &&
            isRealLeave(static_cast<QFocusEvent*>(event)) && !m_listed(m_field->currentText()))
            m_field->setEditText(QString());
        return false;
    }

private:
    bool keyPress(const QKeyEvent* key) {
        const int k = key->key();
        if (isReturn(k) || isFocusMove(k) || k == Qt::Key_Left || k == Qt::Key_Right)
            return false;
        // The keyboard way to open the drop-down, which is the field's only input.
        if (k == Qt::Key_F4 || ((k == Qt::Key_Down || k == Qt::Key_Up) && key->modifiers() & Qt::AltModifier))
            return false;
        if (k == Qt::Key_Backspace || k == Qt::Key_Delete)
            m_field->setEditText(QString());
        return true;
    }

    QComboBox* m_field;
    std::function<bool(const QString&)> m_listed;
};

// Typing is limited to 15 characters; setText is not, so the normalised text may be longer,
// and such a text can still be shortened.
class AmountLength : public QValidator {
public:
    explicit AmountLength(QLineEdit* field) : QValidator(field), m_field(field) {}
    State validate(QString& input, int&) const override {
        return input.size() <= cost_rules::kAmountLength || input.size() < m_field->text().size() ? Acceptable
                                                                                                  : Invalid;
    }

private:
    QLineEdit* m_field;
};

class AmountField : public QObject {
public:
    explicit AmountField(QLineEdit* field) : QObject(field), m_field(field) { field->installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            const int k = key->key();
            if (isReturn(k) || isFocusMove(k) || k == Qt::Key_Backspace || k == Qt::Key_Delete ||
                k == Qt::Key_Left || k == Qt::Key_Right)
                return false;
            const QString typed = key->text();
            const bool accepted = typed.size() == 1 &&
                                  ((typed[0] >= u'0' && typed[0] <= u'9') || typed[0] == u',') &&
                                  !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
            return !accepted;
        }
        if (event->type() == QEvent::FocusOut && qobject_cast<QLineEdit*>(watched) &&
            isRealLeave(static_cast<QFocusEvent*>(event))) {
            m_selectOnRelease = false;
            // An unreadable amount stays as typed, for the save to refuse it.
            if (cost_rules::isAmountOrBlank(m_field->text(), cost_rules::AmountForm::Leaving))
                m_field->setText(cost_rules::normaliseAmount(m_field->text(), cost_rules::AmountForm::Leaving));
        }
        // Entered by a click, the whole text is selected as Tab selects it, so typing replaces
        // "0,00" instead of adding to it. The press that gave the focus also placed the cursor,
        // so the selection waits for the release; a drag that selected part of it is kept.
        if (event->type() == QEvent::FocusIn && static_cast<QFocusEvent*>(event)->reason() == Qt::MouseFocusReason)
            m_selectOnRelease = true;
        if (event->type() == QEvent::MouseButtonRelease && m_selectOnRelease) {
            m_selectOnRelease = false;
            if (!m_field->hasSelectedText())
                m_field->selectAll();
        }
        return false;
    }

private:
    QLineEdit* m_field;
    bool m_selectOnRelease = false;
};

} // namespace

QComboBox* makeListField(QWidget* parent, const QString& name, const QStringList& items, int maxLength) {
    auto* field = new QComboBox(parent);
    field->setObjectName(name);
    field->setEditable(true);
    field->setInsertPolicy(QComboBox::NoInsert);
    field->addItems(items);
    field->setMaxVisibleItems(16);
    field->lineEdit()->setMaxLength(maxLength);
    clearListSelection(field);
    return field;
}

void clearListSelection(QComboBox* field) {
    if (field->currentIndex() < 0)
        return;
    const QString text = field->currentText();
    field->setCurrentIndex(-1);
    field->setEditText(text);
}

void clearSelectionOnFocus(QComboBox* field) {
    new SelectionClearer(field);
}

void makeDayField(QComboBox* field) {
    new PickOnlyField(field, [](const QString& text) { return cost_rules::isListedDay(text); });
}

void makeMonthField(QComboBox* field, Qt::CaseSensitivity monthCase) {
    new PickOnlyField(field, [monthCase](const QString& text) { return cost_rules::isListedMonth(text, monthCase); });
}

void makeAmountField(QLineEdit* field) {
    field->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    field->setValidator(new AmountLength(field));
    new AmountField(field);
}

void makeCapitalsField(QLineEdit* field) {
    QObject::connect(field, &QLineEdit::textChanged, field, [field](const QString& text) {
        const QString shaped = text::upperAZ(text::trimmed(text));
        if (shaped == text)
            return;
        // Keep the cursor where the user types, less the blanks removed before it.
        qsizetype lead = 0;
        while (lead < text.size() && text.at(lead).unicode() <= 32)
            ++lead;
        const int cursor = std::clamp<int>(field->cursorPosition() - static_cast<int>(lead), 0,
                                           static_cast<int>(shaped.size()));
        field->setText(shaped);
        field->setCursorPosition(cursor);
    });
}

} // namespace cost_fields
