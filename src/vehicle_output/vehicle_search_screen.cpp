#include "vehicle_output/vehicle_search_screen.h"
#include "ui/fonts.h"

#include "app/app_context.h"
#include "lists/criteria_panel.h"
#include "lists/find_in_list.h"
#include "lists/list_printout.h"
#include "lists/result_list.h"
#include "lists/row_hand_over.h"
#include "ui/screen_parts.h"
#include "ui/screen_sizes.h"
#include "ui/shared_messages.h"
#include "vehicle_output/vehicle_search.h"
#include "vehicles/vehicle_file.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>

namespace {

using F = TSchedaVeicolo;

const QString kTitle = QStringLiteral("Riepilogo schede veicoli in archivio");

// The criteria fields in table order, with their labels; shown two to a row.
const std::array<criteria_panel::Criterion, 10> kPlaces = {{
    {"txtTipo", "lblCampo01", "Tipo veicolo:", "effCampo01"},
    {"txtDestinazione", "lblCampo02", "Destinazione ed uso:", "effCampo02"},
    {"txtMarca", "lblCampo09", "Marca:", "effCampo09"},
    {"txtModello", "lblCampo10", "Modello:", "effCampo10"},
    {"txtTarga", "lblCampo05", "Targa:", "effCampo05"},
    {"txtStato", "lblCampo06", "Stato veicolo:", "effCampo06"},
    {"txtAutista", "lblCampo07", "Autista:", "effCampo07"},
    {"txtMeccanico", "lblCampo08", "Meccanico:", "effCampo08"},
    {"txtProprietario", "lblCampo03", "Proprietario:", "effCampo03"},
    {"txtNote", "lblCampo04", "Note:", "effCampo04"},
}};

} // namespace

VehicleSearchScreen::VehicleSearchScreen(AppContext& ctx, QWidget* opener,
                                         const QString& callerMark, VehicleSink sink)
    : DialogScreen(ctx, opener, QStringLiteral("frmTrovaAutomezzi"),
                   QStringLiteral(" Trova schede veicoli in archivio"), Window::FixedCentred,
                   screen_sizes::kListWindow),
      m_sink(std::move(sink)) {
    setGradient(QColor(0x46, 0x82, 0xB4));
    const criteria_panel::Panels panels = criteria_panel::makePanels(this);
    m_criteriaPanel = panels.criteria;
    m_resultsPanel = panels.results;
    buildCriteria(m_criteriaPanel);
    buildResults(m_resultsPanel);
    m_memory = screen_parts::hiddenLabel(this, QStringLiteral("lblMemory"), callerMark);
}

void VehicleSearchScreen::buildCriteria(QWidget* panel) {
    const criteria_panel::Parts parts = criteria_panel::build(panel, kPlaces);
    m_criteria = parts.fields;
    m_wait = parts.wait;
    m_count = parts.count;
    connect(parts.close, &QPushButton::clicked, this, &QWidget::close);
    connect(parts.search, &QPushButton::clicked, this, &VehicleSearchScreen::search);
}

void VehicleSearchScreen::buildResults(QWidget* panel) {
    criteria_panel::resultsBanner(panel, QStringLiteral("SCHEDE VEICOLI TROVATE"));
    m_findText = new QLineEdit(panel);
    m_findText->setObjectName(QStringLiteral("txtTrova"));
    m_findText->setFont(fonts::verdana(12, QFont::Bold));
    m_findText->setGeometry(16, 114, 593, 28);
    auto* find = screen_parts::dialogButton(panel, QStringLiteral("btnTrova"),
                                            QRect(620, 112, 161, 32), QStringLiteral("Trova"));

    m_list = new ResultList(panel);
    m_list->setGeometry(16, 152, 801, 273);
    new FindInList(m_ctx, m_list, m_findText, find, m_lastSearch, this);
    connect(m_list, &ResultList::rowChosen, this, &VehicleSearchScreen::handOver);

    criteria_panel::resultsHint(panel);
    m_found = screen_parts::label(panel, QStringLiteral("lblTrovate"), QRect(180, 492, 473, 22),
                                  QStringLiteral("Il presente riepilogo contiene 0 schede"),
                                  criteria_panel::noticeLook());

    auto* close = screen_parts::dialogButton(panel, QStringLiteral("btnChiudi"),
                                             QRect(8, 486, 161, 32), QStringLiteral("Chiudi"));
    auto* print = screen_parts::dialogButton(panel, QStringLiteral("btnStampa"),
                                             QRect(664, 486, 161, 32), QStringLiteral("Stampa"));
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    connect(print, &QPushButton::clicked, this, &VehicleSearchScreen::print);
}

void VehicleSearchScreen::showEvent(QShowEvent* event) {
    DialogScreen::showEvent(event);
    if (event->spontaneous())
        return;
    m_lastSearch.clear();
    m_list->selectRow(0);
    m_findText->clear();
    m_criteria.first()->setFocus();
}

void VehicleSearchScreen::closeEvent(QCloseEvent* event) {
    m_list->clearRows();
    m_wait->hide();
    DialogScreen::closeEvent(event);
}

void VehicleSearchScreen::search() {
    std::array<QString, 10> texts;
    for (int i = 0; i < 10; ++i)
        texts[static_cast<std::size_t>(i)] = m_criteria[i]->text();
    const vehicle_search::Criteria criteria(texts);
    m_count->setText(QString::number(criteria.setCount()));
    m_wait->show();
    m_wait->repaint();

    std::vector<QString> rows;
    try {
        VehicleFile file(m_ctx.programDir);
        m_list->clearRows();
        vehicle_search::collect(file, criteria, rows);
        file.close();
    } catch (const RecordFileError&) {
        m_list->setRows(std::move(rows)); // what was found before the failure stays listed
        m_wait->hide();
        m_ctx.dialogs->notice(this, NoticeKind::Error, shared_messages::accessFailure());
        return;
    }
    m_list->setRows(std::move(rows));
    m_list->finishFill();
    m_found->setText(QStringLiteral("Il presente riepilogo contiene %1 schede").arg(m_list->count()));
    m_wait->hide();
    m_resultsPanel->show();
    m_criteriaPanel->hide();
    m_findText->clear();
    m_findText->setFocus();
}

void VehicleSearchScreen::handOver() {
    RowHandOver how;
    how.open = [this] { return std::make_unique<VehicleFile>(m_ctx.programDir); };
    how.rowOf = [](QByteArrayView record) { return vehicle_search::row(record); };
    auto taken = std::make_shared<bool>(false);
    how.handOver = [this, taken](qint64 position, QByteArrayView record) {
        if (m_sink.take)
            m_sink.take(F::decode(record), position);
        *taken = true;
    };
    how.afterClose = [this, taken] {
        if (*taken && m_sink.afterClose)
            m_sink.afterClose();
    };
    handOverByRow(this, *m_list, how);
}

void VehicleSearchScreen::print() {
    printList(m_ctx, this, kTitle, m_list->texts());
}
