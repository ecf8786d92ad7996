#pragma once

#include "app/area_screen.h"

// frmCosti: the cost entry screen of one year's register.
class CostScreen : public AreaScreen {
    Q_OBJECT
public:
    explicit CostScreen(AppContext& ctx);
};
