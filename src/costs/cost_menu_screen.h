#pragma once

#include "ui/area_screen.h"

class QLabel;
class QLineEdit;

// frmMenuCosti: chooses the year and leads on to the cost entry screen, the summaries and
// the statistics. It never opens them itself: its close handler routes by lblMemory.
class CostMenuScreen : public AreaScreen {
    Q_OBJECT
public:
    explicit CostMenuScreen(AppContext& ctx);

    // The mark for the main menu, so that closing this screen goes back there.
    void returnToMainMenuOnClose();

protected:
    void onShow() override;
    void onClose() override;

private:
    void openYear();
    void leaveFor(const QString& mark);

    QLabel* m_memory;
    QLineEdit* m_year;
};
