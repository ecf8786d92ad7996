#include "program/program.h"

#include "analysis/stats_screen.h"
#include "analysis/summary_selection_screen.h"
#include "app/app_context.h"
#include "login/change_password_screen.h"
#include "login/data_folder.h"
#include "program/main_menu_screen.h"
#include "login/password_screen.h"
#include "costs/cost_menu_screen.h"
#include "costs/cost_screen.h"
#include "deadlines/deadline_menu_screen.h"
#include "vehicles/vehicle_card_screen.h"

Program::Program(AppContext& ctx) : m_ctx(ctx) {
    ctx.screens = &m_screens;
    m_screens.add(new PasswordScreen(ctx));
    m_screens.add(new MainMenuScreen(ctx));
    m_screens.add(new ChangePasswordScreen(ctx));
    m_screens.add(new VehicleCardScreen(ctx));
    m_screens.add(new DeadlineMenuScreen(ctx));
    m_screens.add(new CostMenuScreen(ctx));
    m_screens.add(new CostScreen(ctx));
    m_screens.add(new SummarySelectionScreen(ctx));
    m_screens.add(new StatsScreen(ctx));
}

void Program::start() {
    m_screens.show(QStringLiteral("frmPassword"));
    tellDataFolderProblem(m_ctx, m_screens.area(QStringLiteral("frmPassword")));
}
