#include "analysis/summary_view_screen.h"
#include "ui/fonts.h"

#include "analysis/cost_summary.h"
#include "app/app_context.h"
#include "app/formats.h"
#include "costs/cost_file.h"
#include "help/help_topics.h"
#include "lists/find_in_list.h"
#include "lists/list_printout.h"
#include "lists/result_list.h"
#include "records/text_rules.h"
#include "ui/artwork.h"
#include "ui/focus_frame.h"
#include "ui/screen_parts.h"
#include "ui/screen_sizes.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>

namespace {

const QColor kMaroon(0x80, 0x00, 0x00);

} // namespace

SummaryViewScreen::SummaryViewScreen(AppContext& ctx, QWidget* opener, const SummaryAsked& asked,
                                     QString& lastSearch)
    : DialogScreen(ctx, opener, QStringLiteral("frmRiepSpese"), QStringLiteral(" Vestrano 3.0 - Riepilogo costi sostenuti"),
                   Window::Maximised),
      m_asked(asked) {
    setGradient(QColor(0x46, 0x82, 0xB4));
    auto* panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("panel"));
    panel->setFixedSize(screen_sizes::kAreaPanel);
    auto* centre = new QHBoxLayout(this);
    centre->setContentsMargins(0, 0, 0, 0);
    centre->addWidget(panel, 0, Qt::AlignCenter);

    screen_parts::label(panel, QStringLiteral("lblTipologia"), QRect(20, 12, 180, 26),
                        QStringLiteral("Targa selezionata:"),
                        {fonts::verdana(12, QFont::Bold), Qt::white});
    screen_parts::box(panel, QStringLiteral("shpTipologia"), QRect(205, 12, 420, 26), Qt::white);
    m_plateTitle = screen_parts::label(
        panel, QStringLiteral("titTipologia"), QRect(211, 12, 410, 26),
        QStringLiteral("Tutte le targhe in archivio."), {fonts::verdana(12, QFont::Bold), kMaroon});
    auto* help =
        screen_parts::glyphButton(panel, QStringLiteral("imgGuida"), QRect(946, 10, 29, 28),
                                  art::Glyph::Help, QStringLiteral("Guida"));
    connect(help, &QPushButton::clicked, this, [this] { help::openTopic(m_ctx, this, help::Topic::CostSummary); });

    screen_parts::label(panel, QStringLiteral("lblRigo01"), QRect(20, 46, 955, 18),
                        QStringLiteral("Immettere una o più parole consecutive presenti nella "
                                       "scheda in elenco da cercare e premere "
                                       "il pulsante Trova."),
                        {fonts::verdana(9), Qt::white});
    screen_parts::label(panel, QStringLiteral("lblRigo02"), QRect(20, 64, 955, 18),
                        QStringLiteral("Per spostarsi sulla voce successiva contenente la stessa "
                                       "chiave di ricerca, fare di nuovo "
                                       "clic su Trova."),
                        {fonts::verdana(9), Qt::white});

    m_findText = new QLineEdit(panel);
    m_findText->setObjectName(QStringLiteral("txtTrova"));
    m_findText->setGeometry(24, 92, 600, 30);
    m_findText->setFont(fonts::verdana(12, QFont::Bold));
    addFocusFrame(m_findText, 4);
    QPushButton* find = screen_parts::button(panel, QStringLiteral("btnTrova"),
                                             QRect(640, 90, 120, 34), QStringLiteral("Trova"));

    m_list = new ResultList(panel);
    m_list->setObjectName(QStringLiteral("lstRecords"));
    m_list->setGeometry(20, 136, 955, 420);
    m_list->keepInView(ResultList::kWholeRow); // the amount ends each row
    new FindInList(ctx, m_list, m_findText, find, lastSearch, this);

    screen_parts::box(panel, QStringLiteral("shpTotali"), QRect(20, 566, 955, 62), Qt::white);
    screen_parts::label(panel, QStringLiteral("infIntervallo"), QRect(32, 570, 300, 26),
                        QStringLiteral("Intervallo selezionato:"),
                        {fonts::verdana(12, QFont::Bold), Qt::black});
    m_interval = screen_parts::label(
        panel, QStringLiteral("lblIntervallo"), QRect(330, 570, 633, 26),
        QStringLiteral("Dal gg/mm/aaaa al gg/mm/aaaa"),
        {fonts::verdana(12, QFont::Bold), kMaroon, Qt::AlignRight | Qt::AlignVCenter});
    screen_parts::label(panel, QStringLiteral("infTotKmPercorsi"), QRect(32, 598, 300, 26),
                        QStringLiteral("Totale costi sostenuti:"),
                        {fonts::verdana(12, QFont::Bold), Qt::black});
    m_total = screen_parts::label(
        panel, QStringLiteral("lblTotCosti"), QRect(330, 598, 633, 26), QStringLiteral("0,00"),
        {fonts::verdana(12, QFont::Bold), kMaroon, Qt::AlignRight | Qt::AlignVCenter});
    m_count = screen_parts::hiddenLabel(panel, QStringLiteral("lblConta"), QStringLiteral("0"));

    QPushButton* print =
        screen_parts::button(panel, QStringLiteral("btnStampa"), QRect(20, 642, 200, 38),
                             QStringLiteral("Stampa riepilogo"));
    QPushButton* exit = screen_parts::button(panel, QStringLiteral("btnEsci"),
                                             QRect(855, 642, 120, 38), QStringLiteral("Esci"));
    connect(print, &QPushButton::clicked, this, &SummaryViewScreen::print);
    connect(exit, &QPushButton::clicked, this, &QWidget::close);
}

void SummaryViewScreen::showEvent(QShowEvent* event) {
    DialogScreen::showEvent(event);
    if (!m_loaded && !event->spontaneous()) {
        m_loaded = true;
        load();
    }
}

void SummaryViewScreen::load() {
    cost_summary::Request request;
    request.plate = m_asked.plate;
    request.reason = m_asked.reason;
    const QString from = text::trimmed(m_asked.from);
    const QString to = text::trimmed(m_asked.to);
    request.from = formats::parseDate(from);
    request.to = formats::parseDate(to);

    m_count->setText(QString::number(cost_summary::activeFilters(request)));
    const QString plate = text::trimmed(request.plate);
    m_plateTitle->setText(plate.isEmpty() ? QStringLiteral("Tutte le targhe in archivio") : plate);

    cost_summary::Result result;
    bool complete = false;
    m_list->clearRows();
    if (request.from.isValid() && request.to.isValid()) {
        try {
            CostFile file(text::trimmed(m_asked.yearFile));
            cost_summary::read(file, request, result);
            file.close();
            complete = true;
        } catch (const std::exception&) {
            // What was read stays listed, with its own total.
        }
    }
    const int listed = result.listed;
    m_list->setRows(std::move(result.lines));
    if (listed > 0)
        m_total->setText(cost_summary::runningText(result.total));
    if (complete) {
        m_list->finishFill();
        m_interval->setText(QStringLiteral("Dal   ") + from + QStringLiteral("   al   ") + to);
        m_findText->setFocus(Qt::OtherFocusReason);
    }
    m_total->setText(cost_summary::finalTotal(m_total->text()));
}

void SummaryViewScreen::print() {
    if (m_list->count() == 0) {
        m_ctx.dialogs->notice(
            this, NoticeKind::Warning,
            QStringLiteral("Operazione di stampa non applicabile: il riepilogo non contiene nessuna voce."));
        return;
    }
    if (!m_ctx.dialogs->question(this, QStringLiteral("Si vuole stampare il presente riepilogo?")))
        return;
    printList(m_ctx, this,
              QStringLiteral("Riepilogo costi sostenuti   -   Targa veicolo:  ") + text::trimmed(m_plateTitle->text()),
              m_list->texts(),
              {QStringLiteral("- - - - - - - - - - - - - - - -"),
               QStringLiteral("INTERVALLO SELEZIONATO:        ") + text::trimmed(m_interval->text()),
               QStringLiteral("TOTALE COSTI SOSTENUTI:        € ") + text::trimmed(m_total->text())});
}

void SummaryViewScreen::done(int result) {
    m_list->clearRows();
    DialogScreen::done(result);
}
