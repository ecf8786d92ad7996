#include "costs/unpaid_list_screen.h"

#include "costs/cost_file.h"
#include "costs/cost_list.h"
#include "lists/result_list.h"

#include <QLineEdit>
#include <QShowEvent>

UnpaidListScreen::UnpaidListScreen(AppContext& ctx, QWidget* opener, const QString& yearFile)
    : CostListScreen(ctx, opener, QStringLiteral("frmDaSaldare"), QStringLiteral(" Riepilogo pagamenti da saldare"),
                     QStringLiteral("Riepilogo pagamenti da saldare"), yearFile) {
    auto* panel = new QWidget(this);
    panel->setGeometry(14, 15, 833, 529);
    buildResults(panel, QStringLiteral("PAGAMENTI DA SALDARE"));
}

void UnpaidListScreen::showEvent(QShowEvent* event) {
    CostListScreen::showEvent(event);
    if (!event->spontaneous())
        fill();
}

void UnpaidListScreen::fill() {
    forgetFind();
    std::vector<QString> rows;
    try {
        CostFile file(yearFile());
        m_list->clearRows();
        cost_list::collectUnpaid(file, rows);
        file.close();
        m_list->setRows(std::move(rows));
        m_list->finishFill();
    } catch (const RecordFileError&) {
        // This list only displays: it stays silent and shows what it read.
        m_list->setRows(std::move(rows));
    }
    m_findText->setFocus();
}
