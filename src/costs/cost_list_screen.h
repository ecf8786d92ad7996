#pragma once

#include "costs/cost_record.h"
#include "ui/dialog_screen.h"

class QLineEdit;
class ResultList;

// What the unpaid list and the cost search share: the result list of cost entries of the year
// file their opener gives, with find, print and the hand-over of a double-clicked row.
class CostListScreen : public DialogScreen {
    Q_OBJECT
public:
    ResultList* list() const { return m_list; }

signals:
    // Once for every stored entry that gives the double-clicked row, in file order.
    void entryChosen(const TSchedaCosto& entry, qint64 position);

protected:
    CostListScreen(AppContext& ctx, QWidget* opener, const QString& name, const QString& caption,
                   const QString& printTitle, const QString& yearFile);

    // The list controls on `panel` (833 x 529): banner, instruction line, magnifier, txtTrova
    // and btnTrova, lstRecords, the double-click hint, btnChiudi and btnStampa.
    void buildResults(QWidget* panel, const QString& banner);
    // Empties txtTrova and forgets the last text found.
    void forgetFind();
    const QString& yearFile() const { return m_yearFile; }

    void closeEvent(QCloseEvent* event) override;

    ResultList* m_list = nullptr;
    QLineEdit* m_findText = nullptr;

private:
    void handOver();
    void print();

    QString m_printTitle;
    QString m_yearFile;
    QString m_lastSearch; // lives as long as the window
};
