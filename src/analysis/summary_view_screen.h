#pragma once

#include "ui/dialog_screen.h"

class QLabel;
class QLineEdit;
class ResultList;
class SummarySelectionScreen;

// frmRiepSpese: the cost summary asked for on the selection screen, which opens it and
// from whose controls it takes plate, reason, interval and year file when it is shown.
class SummaryViewScreen : public DialogScreen {
    Q_OBJECT
public:
    SummaryViewScreen(AppContext& ctx, SummarySelectionScreen* selection);

    void print();

protected:
    void showEvent(QShowEvent* event) override;
    // Every way of closing (Esci, the close box, Escape) ends here.
    void done(int result) override;

private:
    void load();

    SummarySelectionScreen* m_selection;
    QLabel* m_plateTitle = nullptr;
    QLabel* m_count = nullptr;
    QLabel* m_interval = nullptr;
    QLabel* m_total = nullptr;
    QLineEdit* m_findText = nullptr;
    ResultList* m_list = nullptr;
    bool m_loaded = false;
};
