#pragma once

#include "app/area_screen.h"

// frmMenuRiepSpese: chooses reason, plate and period for a cost summary.
class SummarySelectionScreen : public AreaScreen {
    Q_OBJECT
public:
    explicit SummarySelectionScreen(AppContext& ctx);
};
