#pragma once

#include "ui/dialog_screen.h"
#include "deadlines/deadline_rule.h"

class ResultList;

// frmScadRevisione, frmScadTagliando, frmScadAssicurazione, frmScadBollo: the vehicles whose
// deadline of one kind has passed or falls within 7 days, read afresh from the vehicle file
// each time the screen opens. The list only displays: no find, no hand-over.
class DeadlineListScreen : public DialogScreen {
    Q_OBJECT
public:
    DeadlineListScreen(AppContext& ctx, QWidget* opener, deadlines::Kind kind);

    void fill();
    void print();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    deadlines::Kind m_kind;
    const deadlines::ListSetup& m_setup;
    ResultList* m_list = nullptr;
    bool m_filled = false;
};
