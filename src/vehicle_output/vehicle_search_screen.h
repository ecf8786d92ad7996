#pragma once

#include "ui/dialog_screen.h"

#include <QList>

class QLabel;
class QLineEdit;
class QPushButton;
class ResultList;

// frmTrovaAutomezzi: finds vehicle cards by up to ten criteria, lists them, and hands the
// double-clicked one to the screen named by the caller mark its opener writes into lblMemory:
// "autoparco" (the card screen), "costi" (the cost entry screen), "riepspese" (the cost
// summary selection). Each opening is a fresh screen; a new search needs a new opening.
class VehicleSearchScreen : public DialogScreen {
    Q_OBJECT
public:

    // Created with the mark already in lblMemory, ready for present().
    VehicleSearchScreen(AppContext& ctx, QWidget* opener, const QString& callerMark);

    void search();
    void handOver();
    void print();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void buildCriteria(QWidget* panel);
    void buildResults(QWidget* panel);

    QWidget* m_criteriaPanel = nullptr;
    QWidget* m_resultsPanel = nullptr;
    QList<QLineEdit*> m_criteria;
    QLabel* m_wait = nullptr;
    QLabel* m_count = nullptr;
    QLabel* m_memory = nullptr;
    QLabel* m_found = nullptr;
    QLineEdit* m_findText = nullptr;
    ResultList* m_list = nullptr;
    QString m_lastSearch; // forgotten whenever the screen is shown
};
