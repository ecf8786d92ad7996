#pragma once

#include <QObject>

// The keyboard as desktop users expect it on every screen and dialog, watched for the whole
// application at once:
// - Return (or Enter) presses the focused button, as Space does; fields keep their own Return
//   (moving to the next field, the dialog's default button).
// - Tab never stops on a control the user cannot see (no size, or outside its parent).
class KeyboardHabits : public QObject {
public:
    explicit KeyboardHabits(QObject* parent = nullptr);
    ~KeyboardHabits() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
