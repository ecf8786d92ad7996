#pragma once

#include "ui/dialog_screen.h"

class QLabel;
class QLineEdit;
class ResultList;

// What the opener asks the summary for, as the user wrote it.
struct SummaryAsked {
    QString plate;
    QString reason;
    QString from; // "dd/mm/yyyy"
    QString to;
    QString yearFile;
};

// frmRiepSpese: the cost summary asked for on the selection screen, read when it is shown.
class SummaryViewScreen : public DialogScreen {
    Q_OBJECT
public:
    // `lastSearch` is the find text kept between openings by the opener.
    SummaryViewScreen(AppContext& ctx, QWidget* opener, const SummaryAsked& asked, QString& lastSearch);

    void print();

protected:
    void showEvent(QShowEvent* event) override;
    // Every way of closing (Esci, the close box, Escape) ends here.
    void done(int result) override;

private:
    void load();

    SummaryAsked m_asked;
    QLabel* m_plateTitle = nullptr;
    QLabel* m_count = nullptr;
    QLabel* m_interval = nullptr;
    QLabel* m_total = nullptr;
    QLineEdit* m_findText = nullptr;
    ResultList* m_list = nullptr;
    bool m_loaded = false;
};
