#pragma once

#include "costs/cost_list_screen.h"

// frmDaSaldare: every entry of a year file whose paid flag says "No", listed on show; a
// double-clicked row goes out through entryChosen.
class UnpaidListScreen : public CostListScreen {
    Q_OBJECT
public:
    UnpaidListScreen(AppContext& ctx, QWidget* opener, const QString& yearFile);

    void fill();

protected:
    void showEvent(QShowEvent* event) override;
};
