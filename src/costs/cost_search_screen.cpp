#include "costs/cost_search_screen.h"
#include "ui/fonts.h"

#include "app/app_context.h"
#include "ui/shared_messages.h"
#include "costs/cost_file.h"
#include "costs/cost_list.h"
#include "lists/criteria_panel.h"
#include "lists/result_list.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>

namespace {

// In the order of cost_list::kSearchFields; shown two to a row.
const std::array<criteria_panel::Criterion, 10> kCriteria = {{
    {"txtData", "lblCampo01", "Data saldo (gg/mm/aaaa):", "effCampo01"},
    {"txtCausale", "lblCampo02", "Causale pagamento:", "effCampo02"},
    {"txtConducente", "lblCampo03", "Conduttore o responsabile:", "effCampo03"},
    {"txtPagatore", "lblCampo04", "Pagatore:", "effCampo04"},
    {"txtBeneficiario", "lblCampo05", "Beneficiario:", "effCampo05"},
    {"txtTarga", "lblCampo06", "Targa veicolo:", "effCampo06"},
    {"txtMarca", "lblCampo07", "Marca:", "effCampo07"},
    {"txtModello", "lblCampo08", "Modello:", "effCampo08"},
    {"txtDescrizione", "lblCampo09", "Descrizione costi:", "effCampo09"},
    {"txtNote", "lblCampo10", "Note:", "effCampo10"},
}};

} // namespace

CostSearchScreen::CostSearchScreen(AppContext& ctx, QWidget* opener, const QString& callerMark,
                                   const QString& yearFile)
    : CostListScreen(ctx, opener, QStringLiteral("frmTrovaCosti"), QStringLiteral(" Trova costi sostenuti in archivio"),
                     QStringLiteral("Riepilogo costi sostenuti"), yearFile) {
    const criteria_panel::Panels panels = criteria_panel::makePanels(this);
    m_criteriaPanel = panels.criteria;
    m_resultsPanel = panels.results;
    buildCriteria(m_criteriaPanel);
    buildResults(m_resultsPanel, QStringLiteral("COSTI SOSTENUTI TROVATI"));
    m_found = screen_parts::label(
        m_resultsPanel, QStringLiteral("lblTrovate"), QRect(180, 492, 473, 22),
        QStringLiteral("Il presente riepilogo contiene 0 schede"), criteria_panel::noticeLook());
    m_memory = screen_parts::hiddenLabel(m_resultsPanel, QStringLiteral("lblMemory"), callerMark);
}

void CostSearchScreen::buildCriteria(QWidget* panel) {
    const criteria_panel::Parts parts = criteria_panel::build(panel, kCriteria);
    m_criteria = parts.fields;
    m_wait = parts.wait;
    m_count = parts.count;
    connect(parts.close, &QPushButton::clicked, this, &QWidget::close);
    connect(parts.search, &QPushButton::clicked, this, &CostSearchScreen::search);
}

void CostSearchScreen::showEvent(QShowEvent* event) {
    CostListScreen::showEvent(event);
    if (event->spontaneous())
        return;
    forgetFind();
    m_criteria.first()->setFocus();
}

void CostSearchScreen::closeEvent(QCloseEvent* event) {
    m_wait->hide();
    CostListScreen::closeEvent(event);
}

void CostSearchScreen::search() {
    std::array<QString, 10> texts;
    for (int i = 0; i < 10; ++i)
        texts[static_cast<std::size_t>(i)] = m_criteria[i]->text();
    const FieldCriteria criteria = cost_list::searchCriteria(texts);
    m_count->setText(QString::number(criteria.setCount()));
    m_wait->show();
    m_wait->repaint();

    std::vector<QString> rows;
    try {
        CostFile file(yearFile());
        m_list->clearRows();
        cost_list::collect(file, criteria, rows);
        file.close();
    } catch (const RecordFileError&) {
        m_wait->hide();
        m_ctx.dialogs->message(this, shared_messages::accessFailure());
        return;
    }
    m_list->setRows(std::move(rows));
    m_list->finishFill();
    m_found->setText(QStringLiteral("Il presente elenco contiene %1 schede.").arg(m_list->count()));
    m_resultsPanel->show();
    m_criteriaPanel->hide();
    m_findText->clear();
    m_findText->setFocus();
}
