#pragma once

#include "ui/dialog_screen.h"
#include "vehicles/vehicle_record.h"

#include <QList>

#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;
class ResultList;

// What the opener does with the double-clicked card.
struct VehicleSink {
    // Once for every stored card that gives the chosen row, in file order.
    std::function<void(const TSchedaVeicolo& card, qint64 position)> take;
    // Optional: once the file is closed again, when at least one card was taken.
    std::function<void()> afterClose;
};

// frmTrovaAutomezzi: finds vehicle cards by up to ten criteria, lists them, and hands the
// double-clicked one to the sink its opener gave. lblMemory shows the opener's caller mark:
// "autoparco" (the card screen), "costi" (the cost entry screen), "riepspese" (the cost
// summary selection). Each opening is a fresh screen; a new search needs a new opening.
class VehicleSearchScreen : public DialogScreen {
    Q_OBJECT
public:
    // Ready for present().
    VehicleSearchScreen(AppContext& ctx, QWidget* opener, const QString& callerMark, VehicleSink sink);

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
    VehicleSink m_sink;
};
