#pragma once

#include "ui/area_screen.h"

class QLabel;
class QLineEdit;
class QPushButton;

// frmCambiaPassword: replaces the password after the old one is given.
class ChangePasswordScreen : public AreaScreen {
    Q_OBJECT
public:
    explicit ChangePasswordScreen(AppContext& ctx);

protected:
    void onShow() override;
    void onClose() override;

private:
    void updateOk();
    void change();
    QLineEdit* addField(const QString& name, const QString& caption, int y);

    QLineEdit* m_old;
    QLineEdit* m_new;
    QLineEdit* m_confirm;
    QPushButton* m_ok;
    QLabel* m_memory;
};
