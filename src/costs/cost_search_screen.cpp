#include "costs/cost_search_screen.h"

#include "app/app_context.h"
#include "app/artwork.h"
#include "app/focus_frame.h"
#include "app/return_chain.h"
#include "costs/cost_file.h"
#include "costs/cost_list.h"
#include "lists/result_list.h"
#include "records/text_rules.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>

namespace {

const QString kAccessFailure = QStringLiteral(
    "Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\rAccertarsi di possedere i "
    "privilegi di scrittura nella cartella di installazione del programma.");

// In the order of cost_list::kSearchFields; two to a row.
const char* const kCaptions[10] = {"Data saldo (gg/mm/aaaa):", "Causale pagamento:", "Conduttore o responsabile:",
                                   "Pagatore:", "Beneficiario:", "Targa veicolo:", "Marca:", "Modello:",
                                   "Descrizione costi:", "Note:"};
const char* const kFields[10] = {"txtData",         "txtCausale", "txtConducente", "txtPagatore",   "txtBeneficiario",
                                 "txtTarga",        "txtMarca",   "txtModello",    "txtDescrizione", "txtNote"};

QLabel* darkCyanLine(QWidget* parent, const QString& name, const QString& text, const QRect& r) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setGeometry(r);
    label->setAlignment(Qt::AlignCenter);
    label->setFont(QFont(QStringLiteral("Verdana"), 10, QFont::Bold));
    label->setStyleSheet(QStringLiteral("background-color: white; color: #008B8B;"));
    return label;
}

} // namespace

CostSearchScreen::CostSearchScreen(AppContext& ctx, QWidget* opener, const QString& callerMark)
    : CostListScreen(ctx, opener, QStringLiteral("frmTrovaCosti"), QStringLiteral(" Trova costi sostenuti in archivio"),
                     QStringLiteral("Riepilogo costi sostenuti")) {
    const QRect panelRect(14, 15, 833, 529);
    m_criteriaPanel = new QWidget(this);
    m_criteriaPanel->setObjectName(QStringLiteral("panAvvio"));
    m_criteriaPanel->setGeometry(panelRect);
    m_resultsPanel = new QWidget(this);
    m_resultsPanel->setObjectName(QStringLiteral("panContainer"));
    m_resultsPanel->setGeometry(panelRect);
    m_resultsPanel->hide();
    buildCriteria(m_criteriaPanel);
    buildResults(m_resultsPanel, QStringLiteral("COSTI SOSTENUTI TROVATI"));
    m_found = darkCyanLine(m_resultsPanel, QStringLiteral("lblTrovate"),
                           QStringLiteral("Il presente riepilogo contiene 0 schede"), QRect(180, 492, 473, 22));
    m_memory = new QLabel(callerMark, m_resultsPanel);
    m_memory->setObjectName(QStringLiteral("lblMemory"));
    m_memory->hide();
}

void CostSearchScreen::buildCriteria(QWidget* panel) {
    auto* explain = new QLabel(
        QStringLiteral("Digitare nei campi prescelti una o più parole consecutive contenute nelle schede da trovare e "
                       "lasciare in bianco tutti gli altri campi. È possibile utilizzare uno o più campi "
                       "contemporaneamente."),
        panel);
    explain->setObjectName(QStringLiteral("imgSpiega"));
    explain->setGeometry(0, 0, 833, 92);
    explain->setAutoFillBackground(true);
    explain->setWordWrap(true);
    explain->setAlignment(Qt::AlignCenter);
    explain->setContentsMargins(12, 4, 12, 4);
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(15);
    f.setBold(true);
    explain->setFont(f);
    explain->setStyleSheet(QStringLiteral("background-color: white; color: #102A60;"));
    auto* picture = new QLabel(panel);
    picture->setObjectName(QStringLiteral("imgTrova01"));
    picture->setGeometry(8, 150, 150, 220);
    picture->setPixmap(art::glyph(QSize(120, 120), art::Glyph::Find));
    picture->setAlignment(Qt::AlignCenter);

    QList<QWidget*> order;
    for (int i = 0; i < 10; ++i) {
        const int x = i % 2 == 0 ? 168 : 500;
        const int y = 112 + (i / 2) * 62;
        auto* caption = new QLabel(QString::fromUtf8(kCaptions[i]), panel);
        caption->setObjectName(QStringLiteral("lblCampo%1").arg(i + 1, 2, 10, QLatin1Char('0')));
        caption->setFont(QFont(QStringLiteral("Verdana"), 12));
        caption->setGeometry(x, y, 320, 22);
        caption->setStyleSheet(QStringLiteral("color: #10285F;"));
        auto* field = new QLineEdit(panel);
        field->setObjectName(QString::fromLatin1(kFields[i]));
        field->setFont(QFont(QStringLiteral("Verdana"), 12, QFont::Bold));
        field->setGeometry(x, y + 28, 320, 24);
        addFocusFrame(field, 4)->setObjectName(QStringLiteral("effCampo%1").arg(i + 1, 2, 10, QLatin1Char('0')));
        m_criteria.append(field);
        order.append(field);
    }
    chainReturn(order);

    m_wait = darkCyanLine(panel, QStringLiteral("lblAttendere"), QStringLiteral("Ricerca schede in corso. Attendere..."),
                          QRect(180, 440, 473, 24));
    m_wait->hide();
    m_count = new QLabel(QStringLiteral("0"), panel);
    m_count->setObjectName(QStringLiteral("lblConta"));
    m_count->hide();

    auto* close = new QPushButton(QStringLiteral("Chiudi"), panel);
    close->setObjectName(QStringLiteral("btnAnnulla"));
    close->setGeometry(8, 486, 161, 32);
    close->setAutoDefault(false);
    auto* search = new QPushButton(QStringLiteral("Cerca"), panel);
    search->setObjectName(QStringLiteral("btnCerca"));
    search->setGeometry(664, 486, 161, 32);
    search->setAutoDefault(false);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    connect(search, &QPushButton::pressed, this, [this] {
        m_wait->show();
        m_wait->repaint();
    });
    connect(search, &QPushButton::released, m_wait, &QWidget::hide); // pressed, then let go elsewhere
    connect(search, &QPushButton::clicked, this, &CostSearchScreen::search);
}

bool CostSearchScreen::handsOver() const {
    return text::trimmed(m_memory->text()) == QLatin1String("Costi");
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
        m_ctx.dialogs->message(this, kAccessFailure);
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
