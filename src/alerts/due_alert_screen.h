#pragma once

#include "alerts/due_items.h"
#include "ui/dialog_screen.h"

class DueTableModel;

// frmPromemoriaScadenze: the deadlines that have passed or fall within 7 days, soonest first,
// shown over the main menu when the user comes in.
class DueAlertScreen : public DialogScreen {
    Q_OBJECT
public:
    DueAlertScreen(AppContext& ctx, QWidget* mainMenu, alerts::DueList due);

    const DueTableModel& rows() const { return *m_rows; }

private:
    void openDeadlineMenu();

    DueTableModel* m_rows = nullptr;
};

namespace alerts {

// Reads the vehicle file and, when anything is due, shows the reminder over the main menu.
// The reminder only helps: a file that cannot be read shows nothing here (the deadline lists
// say so when opened).
void remindOnEntering(AppContext& ctx, QWidget* mainMenu);

} // namespace alerts
