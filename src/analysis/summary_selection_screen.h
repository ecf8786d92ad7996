#pragma once

#include "ui/area_screen.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

// frmMenuRiepSpese: chooses year, plate, reason and period for a cost summary, checks them
// and opens the summary view (frmRiepSpese) with what they ask for.
class SummarySelectionScreen : public AreaScreen {
    Q_OBJECT
public:
    explicit SummarySelectionScreen(AppContext& ctx);

    void openSummary();

protected:
    void onShow() override;

private:
    void mirrorYear();
    // Shows `text` the way `warning` says, gives `focus` the focus (when given), hides the wait notice.
    void stop(bool warning, const QString& text, QWidget* focus);
    // "dd/mm/yyyy" from a day, a month name and the year label; empty for a month that is no month.
    static QString composeDate(const QComboBox* day, const QComboBox* month, const QLabel* year);

    QLineEdit* m_year = nullptr;
    QLineEdit* m_plate = nullptr;
    QComboBox* m_reason = nullptr;
    QComboBox* m_dayFrom = nullptr;
    QComboBox* m_monthFrom = nullptr;
    QComboBox* m_dayTo = nullptr;
    QComboBox* m_monthTo = nullptr;
    QLabel* m_yearFrom = nullptr;
    QLabel* m_yearTo = nullptr;
    QLabel* m_dateFrom = nullptr;
    QLabel* m_dateTo = nullptr;
    QLabel* m_file = nullptr;
    QLabel* m_wait = nullptr;
    QPushButton* m_show = nullptr;
    QString m_lastSummarySearch; // the summary view's: one for the whole run, shared by every opening
};
