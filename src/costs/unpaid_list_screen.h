#pragma once

#include "costs/cost_list_screen.h"

// frmDaSaldare: every entry of the open year whose paid flag says "No", listed on show; a
// double-clicked row brings its entry up on the cost entry screen.
class UnpaidListScreen : public CostListScreen {
    Q_OBJECT
public:
    UnpaidListScreen(AppContext& ctx, QWidget* opener);

    void fill();

protected:
    void showEvent(QShowEvent* event) override;
};
