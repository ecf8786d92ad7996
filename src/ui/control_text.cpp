#include "ui/control_text.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMetaProperty>

bool setControlText(QWidget* screen, const QString& controlName, const QString& text) {
    if (!screen)
        return false;
    QWidget* control = screen->findChild<QWidget*>(controlName);
    if (!control)
        return false;
    if (auto* edit = qobject_cast<QLineEdit*>(control)) {
        edit->setText(text);
    } else if (auto* combo = qobject_cast<QComboBox*>(control)) {
        if (combo->isEditable())
            combo->setEditText(text);
        else
            combo->setCurrentText(text);
    } else if (auto* label = qobject_cast<QLabel*>(control)) {
        label->setText(text);
    } else {
        const int index = control->metaObject()->indexOfProperty("text");
        if (index < 0 || !control->metaObject()->property(index).isWritable())
            return false;
        control->setProperty("text", text);
    }
    return true;
}
