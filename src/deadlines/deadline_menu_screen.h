#pragma once

#include "ui/area_screen.h"
#include "deadlines/deadline_rule.h"

// frmMenuScadenze: the deadline menu, opening the four lists of vehicles falling due.
class DeadlineMenuScreen : public AreaScreen {
    Q_OBJECT
public:
    explicit DeadlineMenuScreen(AppContext& ctx);

    void openList(deadlines::Kind kind);
};
