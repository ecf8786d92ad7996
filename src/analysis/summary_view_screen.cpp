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

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>

namespace {

const QColor kMaroon(0x80, 0x00, 0x00);

QLabel* textLabel(QWidget* parent, const QString& name, const QString& text, const QRect& r, const QColor& colour,
                  int size, bool bold, Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter) {
    return screen_parts::label(
        parent, name, r, text,
        {fonts::verdana(size, bold ? QFont::Bold : QFont::Normal), colour, align});
}

using screen_parts::button;

} // namespace

SummaryViewScreen::SummaryViewScreen(AppContext& ctx, QWidget* opener, const SummaryAsked& asked,
                                     QString& lastSearch)
    : DialogScreen(ctx, opener, QStringLiteral("frmRiepSpese"), QStringLiteral(" Vestrano 3.0 - Riepilogo costi sostenuti"),
                   Window::Maximised),
      m_asked(asked) {
    setGradient(QColor(0x46, 0x82, 0xB4));
    auto* panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("panel"));
    panel->setFixedSize(995, 692);
    auto* centre = new QHBoxLayout(this);
    centre->setContentsMargins(0, 0, 0, 0);
    centre->addWidget(panel, 0, Qt::AlignCenter);

    textLabel(panel, QStringLiteral("lblTipologia"), QStringLiteral("Targa selezionata:"), QRect(20, 12, 180, 26),
              Qt::white, 12, true);
    auto* plateBox = new QWidget(panel);
    plateBox->setObjectName(QStringLiteral("shpTipologia"));
    plateBox->setGeometry(205, 12, 420, 26);
    plateBox->setAutoFillBackground(true);
    plateBox->setStyleSheet(QStringLiteral("background-color: white;"));
    m_plateTitle = textLabel(panel, QStringLiteral("titTipologia"), QStringLiteral("Tutte le targhe in archivio."),
                             QRect(211, 12, 410, 26), kMaroon, 12, true);
    auto* help = screen_parts::pictureButton(
        panel, QStringLiteral("imgGuida"), QRect(946, 10, 29, 28),
        art::glyph(QSize(29, 28), art::Glyph::Help), QStringLiteral("Guida"));
    connect(help, &QPushButton::clicked, this, [this] { help::openTopic(m_ctx, this, help::Topic::CostSummary); });

    textLabel(panel, QStringLiteral("lblRigo01"),
              QStringLiteral("Immettere una o più parole consecutive presenti nella scheda in elenco da cercare e premere "
                             "il pulsante Trova."),
              QRect(20, 46, 955, 18), Qt::white, 9, false);
    textLabel(panel, QStringLiteral("lblRigo02"),
              QStringLiteral("Per spostarsi sulla voce successiva contenente la stessa chiave di ricerca, fare di nuovo "
                             "clic su Trova."),
              QRect(20, 64, 955, 18), Qt::white, 9, false);

    m_findText = new QLineEdit(panel);
    m_findText->setObjectName(QStringLiteral("txtTrova"));
    m_findText->setGeometry(24, 92, 600, 30);
    m_findText->setFont(fonts::verdana(12, QFont::Bold));
    addFocusFrame(m_findText, 4);
    QPushButton* find =
        button(panel, QStringLiteral("btnTrova"), QRect(640, 90, 120, 34), QStringLiteral("Trova"));

    m_list = new ResultList(panel);
    m_list->setObjectName(QStringLiteral("lstRecords"));
    m_list->setGeometry(20, 136, 955, 420);
    m_list->keepInView(ResultList::kWholeRow); // the amount ends each row
    new FindInList(ctx, m_list, m_findText, find, lastSearch, this);

    auto* totals = new QWidget(panel);
    totals->setObjectName(QStringLiteral("shpTotali"));
    totals->setGeometry(20, 566, 955, 62);
    totals->setAutoFillBackground(true);
    totals->setStyleSheet(QStringLiteral("background-color: white;"));
    textLabel(panel, QStringLiteral("infIntervallo"), QStringLiteral("Intervallo selezionato:"), QRect(32, 570, 300, 26),
              Qt::black, 12, true);
    m_interval = textLabel(panel, QStringLiteral("lblIntervallo"), QStringLiteral("Dal gg/mm/aaaa al gg/mm/aaaa"),
                           QRect(330, 570, 633, 26), kMaroon, 12, true, Qt::AlignRight | Qt::AlignVCenter);
    textLabel(panel, QStringLiteral("infTotKmPercorsi"), QStringLiteral("Totale costi sostenuti:"),
              QRect(32, 598, 300, 26), Qt::black, 12, true);
    m_total = textLabel(panel, QStringLiteral("lblTotCosti"), QStringLiteral("0,00"), QRect(330, 598, 633, 26), kMaroon,
                        12, true, Qt::AlignRight | Qt::AlignVCenter);
    m_count = new QLabel(QStringLiteral("0"), panel);
    m_count->setObjectName(QStringLiteral("lblConta"));
    m_count->hide();

    QPushButton* print = button(panel, QStringLiteral("btnStampa"), QRect(20, 642, 200, 38),
                                QStringLiteral("Stampa riepilogo"));
    QPushButton* exit =
        button(panel, QStringLiteral("btnEsci"), QRect(855, 642, 120, 38), QStringLiteral("Esci"));
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
