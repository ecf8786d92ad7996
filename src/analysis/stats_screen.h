#pragma once

#include "app/area_screen.h"

// frmStatCosti: monthly cost statistics of a year, as a bar or pie chart.
class StatsScreen : public AreaScreen {
    Q_OBJECT
public:
    explicit StatsScreen(AppContext& ctx);
};
