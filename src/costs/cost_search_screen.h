#pragma once

#include "costs/cost_list_screen.h"

#include <QList>

class QLabel;

// frmTrovaCosti: finds the entries of the open year by up to ten criteria and lists them; a
// double-clicked row goes to the cost entry screen only when the opener's mark in lblMemory
// is "Costi". Each opening is a fresh screen; a new search needs a new opening.
class CostSearchScreen : public CostListScreen {
    Q_OBJECT
public:
    // Created with the mark already in lblMemory, ready for present().
    CostSearchScreen(AppContext& ctx, QWidget* opener, const QString& callerMark);

    void search();

protected:
    bool handsOver() const override;
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
