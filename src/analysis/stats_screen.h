#pragma once

#include "ui/area_screen.h"

#include <array>

class QLabel;
class QLineEdit;
class QPushButton;
class StatusHints;
namespace chart {
class ChartView;
}

// frmStatCosti: monthly cost statistics of a year, as a bar or pie chart.
class StatsScreen : public AreaScreen {
    Q_OBJECT
public:
    explicit StatsScreen(AppContext& ctx);

protected:
    void onShow() override;

private:
    void buildYearPanel(QWidget* panel);
    void buildChartPanel(QWidget* panel);
    void openYear();
    void showBars();
    void showPie();
    void print();

    QWidget* m_yearPanel = nullptr;
    QWidget* m_chartPanel = nullptr;
    QLineEdit* m_year = nullptr;
    QPushButton* m_open = nullptr;
    QLabel* m_file = nullptr;
    QLabel* m_title = nullptr;
    QLabel* m_info = nullptr;
    std::array<QLabel*, 12> m_months{};
    chart::ChartView* m_chart = nullptr;
    StatusHints* m_hints = nullptr;
};
