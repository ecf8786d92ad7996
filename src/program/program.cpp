#include "program/program.h"

#include "alerts/due_alert_screen.h"
#include "analysis/stats_screen.h"
#include "analysis/summary_selection_screen.h"
#include "app/app_context.h"
#include "backup/backup_runner.h"
#include "login/change_password_screen.h"
#include "ui/data_folder_notice.h"
#include "program/main_menu_screen.h"
#include "login/password_screen.h"
#include "costs/cost_menu_screen.h"
#include "costs/cost_screen.h"
#include "deadlines/deadline_menu_screen.h"
#include "ui/area_screen.h"
#include "ui/keyboard_habits.h"
#include "vehicles/vehicle_card_screen.h"

#include <QTimer>

Program::Program(AppContext& ctx)
    : m_ctx(ctx), m_backups(std::make_unique<BackupRunner>(ctx)), m_keyboard(std::make_unique<KeyboardHabits>()) {
    ctx.screens = &m_screens;
    auto* login = new PasswordScreen(ctx);
    auto* mainMenu = new MainMenuScreen(ctx, *m_backups);
    m_screens.add(login);
    m_screens.add(mainMenu);
    m_screens.add(new ChangePasswordScreen(ctx));
    m_screens.add(new VehicleCardScreen(ctx));
    m_screens.add(new DeadlineMenuScreen(ctx));
    m_screens.add(new CostMenuScreen(ctx));
    m_screens.add(new CostScreen(ctx));
    m_screens.add(new SummarySelectionScreen(ctx));
    m_screens.add(new StatsScreen(ctx));

    QObject::connect(login, &PasswordScreen::accepted, mainMenu, [this, &ctx, mainMenu] {
        m_backups->atLogin(mainMenu);
        alerts::remindOnEntering(ctx, mainMenu);
    });
}

Program::~Program() = default;

void Program::start() {
    m_screens.show(QStringLiteral("frmPassword"));
    // Told over the login screen once it is up, before the user types a password for nothing.
    QWidget* login = m_screens.area(QStringLiteral("frmPassword"));
    QTimer::singleShot(0, login, [this, login] { tellDataFolderProblem(m_ctx, login); });
}
