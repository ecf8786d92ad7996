#pragma once

#include "ui/dialog_screen.h"

class CostScreen;
class QLineEdit;
class ResultList;

// What the unpaid list and the cost search share: the result list of cost entries with find,
// print and the hand-over of a double-clicked row to the cost entry screen, on the year file
// the cost entry screen has open.
class CostListScreen : public DialogScreen {
    Q_OBJECT
public:
    ResultList* list() const { return m_list; }

protected:
    CostListScreen(AppContext& ctx, QWidget* opener, const QString& name, const QString& caption,
                   const QString& printTitle);

    // The list controls on `panel` (833 x 529): banner, instruction line, magnifier, txtTrova
    // and btnTrova, lstRecords, the double-click hint, btnChiudi and btnStampa.
    void buildResults(QWidget* panel, const QString& banner);
    // Empties txtTrova and forgets the last text found.
    void forgetFind();
    // frmCosti.lblFile.
    QString yearFile() const;
    // Whether a chosen row is loaded into the cost entry screen; the file is read either way.
    virtual bool handsOver() const { return true; }

    void closeEvent(QCloseEvent* event) override;

    ResultList* m_list = nullptr;
    QLineEdit* m_findText = nullptr;

private:
    void handOver();
    void print();

    QString m_printTitle;
    QString m_lastSearch; // lives as long as the window
};
