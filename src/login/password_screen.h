#pragma once

#include "ui/area_screen.h"

class QLabel;
class QLineEdit;
class QPushButton;

// frmPassword: the login screen and the program's main window.
class PasswordScreen : public AreaScreen {
    Q_OBJECT
public:
    explicit PasswordScreen(AppContext& ctx);

    // What the password change screen does when it closes: empty field, focus on it.
    void resetForReturn();
    // The keyboard to the password field, once the screen is up again.
    void focusPassword();

signals:
    // The main menu has just been shown after a correct password.
    void accepted();

protected:
    void onShow() override;
    void onClose() override;

private:
    void updateOk();
    void checkPassword();

    QLineEdit* m_password;
    QPushButton* m_ok;
    QLabel* m_memory;
};
