#include "analysis/stats_screen.h"
#include "ui/fonts.h"

#include "analysis/monthly_costs.h"
#include "app/app_context.h"
#include "app/clock.h"
#include "costs/cost_file.h"
#include "costs/cost_rules.h"
#include "costs/year_field.h"
#include "help/help_topics.h"
#include "records/text_rules.h"
#include "reports/chart_engine.h"
#include "reports/print_copies.h"
#include "ui/artwork.h"
#include "ui/focus_frame.h"
#include "ui/return_chain.h"
#include "ui/screen_parts.h"
#include "ui/shared_messages.h"
#include "ui/status_hints.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>

namespace {

const QColor kSlateBlue(0x6A, 0x5A, 0xCD);

chart::Design statsDesign() {
    chart::Design d;
    d.title = {QStringLiteral("Statistiche costi mensili"), fonts::kVerdana, 20.08, true,
               QColor::fromRgba(0xFFD04498)};
    d.foot = {QStringLiteral("Tutti gli importi sono arrotondati all'euro"), fonts::kVerdana, 10.93, true,
              QColor::fromRgba(0xFF7294F9)};
    d.legendTitle = QStringLiteral("Costi sostenuti:");
    d.gridColour = QColor(0xC0, 0xC0, 0xC0); // silver
    d.tickColour = QColor(0xA9, 0xA9, 0xA9); // dark grey
    d.seriesName = QStringLiteral("Series1");
    d.unit = QStringLiteral("€");
    return d;
}

using screen_parts::box;
using screen_parts::button;
using screen_parts::label;

// Where Verdana is missing a wider face stands in; the heading then steps down to fit.
void fitToWidth(QLabel* label, int pointSize) {
    QFont font = label->font();
    font.setPointSize(pointSize);
    while (font.pointSize() > 8 && QFontMetrics(font).horizontalAdvance(label->text()) > label->width())
        font.setPointSize(font.pointSize() - 1);
    label->setFont(font);
}

} // namespace

StatsScreen::StatsScreen(AppContext& ctx)
    : AreaScreen(ctx, QStringLiteral("frmStatCosti"), QStringLiteral(" Vestrano 3.0 - Statistiche costi mensili"),
                 Window::Maximised) {
    QWidget* panel = centredPanel(QSize(995, 692));
    buildYearPanel(panel);
    buildChartPanel(panel);
}

void StatsScreen::buildYearPanel(QWidget* panel) {
    m_yearPanel = new QWidget(panel);
    m_yearPanel->setObjectName(QStringLiteral("panAvvio"));
    m_yearPanel->setGeometry(panel->rect());

    auto* heading = new QLabel(m_yearPanel);
    heading->setObjectName(QStringLiteral("imgTitolo"));
    heading->setGeometry(147, 150, 700, 60);
    heading->setPixmap(art::words(QSize(700, 60), QStringLiteral("Statistiche costi mensili"), Qt::white, 40));

    label(m_yearPanel, QStringLiteral("lblApri"), QRect(0, 250, 995, 30),
          QStringLiteral("Indicare l'anno solare e premere Apri."),
          {fonts::verdana(14, QFont::Bold), Qt::white, Qt::AlignCenter});

    m_year = new QLineEdit(m_yearPanel);
    m_year->setObjectName(QStringLiteral("txtAnno"));
    m_year->setGeometry(417, 298, 160, 60);
    m_year->setFont(fonts::verdana(28, QFont::Bold));
    m_year->setAlignment(Qt::AlignCenter);
    makeYearField(m_year);
    addFocusFrame(m_year, 4);

    m_open = button(m_yearPanel, QStringLiteral("btnApri"), QRect(437, 385, 120, 40),
                    QStringLiteral("Apri"));
    chainReturn({m_year, m_open}, false); // Return in the year field hands the focus to Apri
    connect(m_open, &QPushButton::clicked, this, &StatsScreen::openYear);

    auto* help = screen_parts::pictureButton(
        m_yearPanel, QStringLiteral("imgGuida"), QRect(925, 10, 24, 24),
        art::glyph(QSize(24, 24), art::Glyph::Help), QStringLiteral("Guida"));
    connect(help, &QPushButton::clicked, this, [this] { help::openTopic(m_ctx, this, help::Topic::Statistics); });
    auto* exit = screen_parts::pictureButton(
        m_yearPanel, QStringLiteral("imgEsci"), QRect(955, 10, 24, 24),
        art::glyph(QSize(24, 24), art::Glyph::Exit), QStringLiteral("Esci"));
    connect(exit, &QPushButton::clicked, this, &QWidget::close);

    m_file = new QLabel(QStringLiteral("FilePath"), m_yearPanel);
    m_file->setObjectName(QStringLiteral("lblFile"));
    m_file->hide();
    static const char* const kMonthLabels[] = {"memGennaio", "memFebbraio", "memMarzo",    "memAprile",
                                               "memMaggio",  "memGiugno",   "memLuglio",   "memAgosto",
                                               "memSettembre", "memOttobre", "memNovembre", "memDicembre"};
    for (int m = 0; m < monthly_costs::kMonths; ++m) {
        auto* mem = new QLabel(QStringLiteral("0"), m_yearPanel);
        mem->setObjectName(QString::fromLatin1(kMonthLabels[m]));
        mem->hide();
        m_months[static_cast<std::size_t>(m)] = mem;
    }
}

void StatsScreen::buildChartPanel(QWidget* panel) {
    m_chartPanel = new QWidget(panel);
    m_chartPanel->setObjectName(QStringLiteral("panContainer"));
    m_chartPanel->setGeometry(panel->rect());

    m_info = new QLabel(QStringLiteral("Grafico statistico dei costi annuali."), m_chartPanel);
    m_info->setObjectName(QStringLiteral("panInfo"));
    m_info->setGeometry(0, 662, 995, 30);
    m_info->setAutoFillBackground(true);
    m_info->setStyleSheet(QStringLiteral("QLabel { background-color: #6A5ACD; color: white; padding-left: 8px; }"));
    m_info->setFont(QFont(QStringLiteral("Tahoma"), 12));
    m_hints = new StatusHints(m_info, this);
    m_hints->addBackground(this);
    m_hints->addBackground(m_chartPanel);

    QWidget* background = box(m_chartPanel, QStringLiteral("bkgSezione01"), QRect(8, 6, 979, 646), Qt::white);
    m_hints->addBackground(background);

    m_title =
        label(m_chartPanel, QStringLiteral("lblTitolo"), QRect(22, 12, 915, 34),
              QStringLiteral("Rappresentazione grafica dei costi sostenuti nell'anno solare."),
              {fonts::verdana(20, QFont::Bold), kSlateBlue});
    fitToWidth(m_title, 20);
    const QFont explanation = fonts::verdana(9);
    label(m_chartPanel, QStringLiteral("lblRigo04"), QRect(24, 48, 900, 18),
          QStringLiteral("Il presente grafico statistico mostra i costi sostenuti in ciascun mese "
                         "dell'anno per i "
                         "veicoli della flotta automezzi."),
          {explanation, QColor(0x20, 0x20, 0x40)});
    label(m_chartPanel, QStringLiteral("lblRigo05"), QRect(24, 66, 900, 18),
          QStringLiteral(
              "Servirsi dei pulsanti in calce per visualizzare il tipo di grafico desiderato e per "
              "mandarlo in stampa."),
          {explanation, QColor(0x20, 0x20, 0x40)});
    auto* help = screen_parts::pictureButton(
        m_chartPanel, QStringLiteral("cmdGuida"), QRect(945, 14, 29, 28),
        art::glyph(QSize(29, 28), art::Glyph::Help), QStringLiteral("Guida"));
    connect(help, &QPushButton::clicked, this, [this] { help::openTopic(m_ctx, this, help::Topic::Statistics); });

    QWidget* frame = box(m_chartPanel, QStringLiteral("shpSezione01"), QRect(22, 92, 951, 492), QColor(0xB0, 0xC4, 0xDE));
    m_hints->addBackground(frame);
    m_chart = new chart::ChartView(m_chartPanel);
    m_chart->setObjectName(QStringLiteral("ChartStats"));
    m_chart->setGeometry(25, 95, 945, 486);
    m_chart->setDesign(statsDesign());
    m_hints->addBackground(m_chart);

    QPushButton* bars = button(m_chartPanel, QStringLiteral("btnBarre"), QRect(22, 598, 240, 38),
                               QStringLiteral("Visualizza grafico a barre"));
    QPushButton* pie = button(m_chartPanel, QStringLiteral("btnTorta"), QRect(272, 598, 240, 38),
                              QStringLiteral("Visualizza grafico a torta"));
    QPushButton* print = button(m_chartPanel, QStringLiteral("btnStampa"), QRect(522, 598, 180, 38),
                                QStringLiteral("Stampa grafico"));
    auto* picture = new QLabel(m_chartPanel);
    picture->setObjectName(QStringLiteral("imgFattura"));
    picture->setGeometry(760, 598, 38, 38);
    picture->setPixmap(art::glyph(QSize(38, 38), art::Glyph::Chart));
    m_hints->addBackground(picture);
    QPushButton* exit = button(m_chartPanel, QStringLiteral("btnEsci"), QRect(848, 598, 125, 38),
                               QStringLiteral("Esci"));

    connect(bars, &QPushButton::clicked, this, &StatsScreen::showBars);
    connect(pie, &QPushButton::clicked, this, &StatsScreen::showPie);
    connect(print, &QPushButton::clicked, this, &StatsScreen::print);
    connect(exit, &QPushButton::clicked, this, &QWidget::close);

    m_hints->add(bars, QStringLiteral("Visualizza le statistiche dei costi sotto forma di grafico a barre tridimensionali."));
    m_hints->add(pie, QStringLiteral("Visualizza le statistiche dei costi sotto forma di grafico a torta tridimensionale."));
    m_hints->add(print, QStringLiteral("Stampa il grafico corrente."));
    m_hints->add(exit, QStringLiteral("Esci da questo ambiente di lavoro."));
    m_hints->add(help, QStringLiteral("Visualizza la pagina della guida sensibile al contesto."));
    // The status box itself counts as background too.
    m_hints->addBackground(box(m_chartPanel, QStringLiteral("shpInfo"), QRect(0, 660, 995, 2), kSlateBlue));

    m_chartPanel->hide();
}

void StatsScreen::onShow() {
    m_year->setText(QStringLiteral("%1").arg(m_ctx.clock->today().year(), 4, 10, QLatin1Char('0')));
    m_chart->clear();
    m_chartPanel->hide();
    m_yearPanel->show();
    m_year->setFocus(Qt::OtherFocusReason);
}

void StatsScreen::openYear() {
    if (!isYearText(m_year->text())) {
        m_ctx.dialogs->notice(this, NoticeKind::Warning,
                              QStringLiteral("Attenzione: indicare l'anno solare utilizzando quattro cifre."));
        m_year->setFocus(Qt::OtherFocusReason);
        return;
    }
    const QString year = text::trimmed(m_year->text());
    m_file->setText(CostFile::pathFor(m_ctx.programDir, year));
    m_title->setText(QStringLiteral("Rappresentazione grafica dei costi sostenuti nell'anno ") + year +
                     QLatin1Char('.'));
    fitToWidth(m_title, 20);
    for (QLabel* month : m_months)
        month->setText(QStringLiteral("0"));
    try {
        CostFile file(text::trimmed(m_file->text()));
        const monthly_costs::Sums sums = monthly_costs::read(file, year);
        file.close();
        QList<chart::Point> points;
        for (int m = 0; m < monthly_costs::kMonths; ++m) {
            QLabel* month = m_months[static_cast<std::size_t>(m)];
            month->setText(monthly_costs::roundedText(sums.text(m)));
            points.append({cost_rules::readAmount(month->text()).value_or(0), monthly_costs::label(m),
                           monthly_costs::colour(m)});
        }
        m_chart->setPoints(points);
        m_chart->show();
        m_yearPanel->hide();
        m_chartPanel->show();
    } catch (const RecordFileError&) {
        // The year panel stays, so the user can try again or choose another year.
        m_ctx.dialogs->notice(this, NoticeKind::Error, shared_messages::accessFailure());
        m_year->setFocus(Qt::OtherFocusReason);
    } catch (const std::exception&) {
        // A drawing failure leaves the screen as it is.
    }
}

void StatsScreen::showBars() {
    m_chart->setKind(chart::Kind::Bar);
    m_chart->setThreeD(true);
    m_chart->setOrthogonal(true);
}

void StatsScreen::showPie() {
    m_chart->setThreeD(true);
    m_chart->setKind(chart::Kind::Pie);
}

void StatsScreen::print() {
    if (!m_ctx.dialogs->question(this, QStringLiteral("Si vuole stampare il presente grafico statistico?")))
        return;
    const std::optional<QString> answer =
        m_ctx.dialogs->input(this, QStringLiteral("Numero copie da stampare"), QStringLiteral("Copie:"),
                             QStringLiteral("1"));
    if (!answer)
        return;
    const QString title = QStringLiteral("Statistiche costi mensili %1").arg(text::trimmed(m_year->text()));
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(title);
    printer.setCopyCount(copiesFromAnswer(*answer));
    if (!m_ctx.printing->choosePrinter(printer, this))
        return;
    const int copies = printer.copyCount();
    printer.setPageOrientation(QPageLayout::Landscape);
    // One print command per copy, each of one copy: the printer must not multiply them again.
    printer.setCopyCount(1);
    for (int i = 0; i < copies; ++i)
        m_chart->print(printer, title);
}
