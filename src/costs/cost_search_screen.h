#pragma once

#include "costs/cost_list_screen.h"

#include <QList>

class QLabel;

// frmTrovaCosti: finds the entries of a year file by up to ten criteria and lists them; a
// double-clicked row goes out through entryChosen. lblMemory shows the opener's caller mark
// ("Costi" from the cost entry screen). Each opening is a fresh screen; a new search needs a
// new opening.
class CostSearchScreen : public CostListScreen {
    Q_OBJECT
public:
    // Ready for present().
    CostSearchScreen(AppContext& ctx, QWidget* opener, const QString& callerMark, const QString& yearFile);

    void search();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildCriteria(QWidget* panel);

    QWidget* m_criteriaPanel = nullptr;
    QWidget* m_resultsPanel = nullptr;
    QList<QLineEdit*> m_criteria;
    QLabel* m_wait = nullptr;
    QLabel* m_count = nullptr;
    QLabel* m_found = nullptr;
    QLabel* m_memory = nullptr;
};
