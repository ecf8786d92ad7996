#include "analysis/stats_screen.h"

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
#include "ui/fonts.h"
#include "ui/return_chain.h"
#include "ui/screen_parts.h"
#include "ui/screen_sizes.h"
#include "ui/shared_messages.h"
#include "ui/status_hints.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>

#include <functional>

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

constexpr const char* kMonthLabels[] = {
    "memGennaio", "memFebbraio", "memMarzo",     "memAprile",  "memMaggio",   "memGiugno",
    "memLuglio",  "memAgosto",   "memSettembre", "memOttobre", "memNovembre", "memDicembre"};

// The chart panel's boxes, behind everything else on it.
struct BoxPlace {
    const char* name;
    QRect place;
    QColor fill;
};

const BoxPlace kChartBoxes[] = {
    {"bkgSezione01", {8, 6, 979, 646}, Qt::white},
    {"shpSezione01", {22, 92, 951, 492}, QColor(0xB0, 0xC4, 0xDE)},
    {"shpInfo", {0, 660, 995, 2}, kSlateBlue}, // the status line's upper edge
};

// The two lines under the chart panel's title.
struct TextPlace {
    const char* name;
    QRect place;
    const char* text;
};

constexpr TextPlace kChartLines[] = {
    {"lblRigo04",
     {24, 48, 900, 18},
     "Il presente grafico statistico mostra i costi sostenuti in ciascun mese dell'anno per i "
     "veicoli della flotta automezzi."},
    {"lblRigo05",
     {24, 66, 900, 18},
     "Servirsi dei pulsanti in calce per visualizzare il tipo di grafico desiderato e per "
     "mandarlo in stampa."},
};

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
    : AreaScreen(ctx, QStringLiteral("frmStatCosti"),
                 QStringLiteral(" Vestrano 3.0 - Statistiche costi mensili"), Window::Maximised) {
    QWidget* panel = centredPanel(screen_sizes::kAreaPanel);
    buildYearPanel(panel);
    buildChartPanel(panel);
}

void StatsScreen::buildYearPanel(QWidget* panel) {
    using namespace screen_parts;
    m_yearPanel = new QWidget(panel);
    m_yearPanel->setObjectName(QStringLiteral("panAvvio"));
    m_yearPanel->setGeometry(panel->rect());

    picture(m_yearPanel, QStringLiteral("imgTitolo"), QRect(147, 150, 700, 60),
            art::words(QSize(700, 60), QStringLiteral("Statistiche costi mensili"), Qt::white, 40));
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

    auto* help = glyphButton(m_yearPanel, QStringLiteral("imgGuida"), QRect(925, 10, 24, 24),
                             art::Glyph::Help, QStringLiteral("Guida"));
    connect(help, &QPushButton::clicked, this,
            [this] { help::openTopic(m_ctx, this, help::Topic::Statistics); });
    auto* exit = glyphButton(m_yearPanel, QStringLiteral("imgEsci"), QRect(955, 10, 24, 24),
                             art::Glyph::Exit, QStringLiteral("Esci"));
    connect(exit, &QPushButton::clicked, this, &QWidget::close);

    m_file = hiddenLabel(m_yearPanel, QStringLiteral("lblFile"), QStringLiteral("FilePath"));
    for (int m = 0; m < monthly_costs::kMonths; ++m)
        m_months[static_cast<std::size_t>(m)] =
            hiddenLabel(m_yearPanel, QString::fromLatin1(kMonthLabels[m]), QStringLiteral("0"));
}

void StatsScreen::buildChartPanel(QWidget* panel) {
    using namespace screen_parts;
    m_chartPanel = new QWidget(panel);
    m_chartPanel->setObjectName(QStringLiteral("panContainer"));
    m_chartPanel->setGeometry(panel->rect());

    m_info = statusLine(m_chartPanel, screen_sizes::statusLineAlong(screen_sizes::kAreaPanel),
                        QStringLiteral("Grafico statistico dei costi annuali."), kSlateBlue);
    m_hints = new StatusHints(m_info, this);
    m_hints->addBackground(this);
    m_hints->addBackground(m_chartPanel);
    for (const BoxPlace& b : kChartBoxes)
        m_hints->addBackground(box(m_chartPanel, QString::fromLatin1(b.name), b.place, b.fill));

    m_title =
        label(m_chartPanel, QStringLiteral("lblTitolo"), QRect(22, 12, 915, 34),
              QStringLiteral("Rappresentazione grafica dei costi sostenuti nell'anno solare."),
              {fonts::verdana(20, QFont::Bold), kSlateBlue});
    fitToWidth(m_title, 20);
    for (const TextPlace& line : kChartLines)
        label(m_chartPanel, QString::fromLatin1(line.name), line.place,
              QString::fromUtf8(line.text), {fonts::verdana(9), QColor(0x20, 0x20, 0x40)});
    auto* help = glyphButton(m_chartPanel, QStringLiteral("cmdGuida"), QRect(945, 14, 29, 28),
                             art::Glyph::Help, QStringLiteral("Guida"));
    connect(help, &QPushButton::clicked, this,
            [this] { help::openTopic(m_ctx, this, help::Topic::Statistics); });
    m_hints->add(help, QStringLiteral("Visualizza la pagina della guida sensibile al contesto."));

    m_chart = new chart::ChartView(m_chartPanel);
    m_chart->setObjectName(QStringLiteral("ChartStats"));
    m_chart->setGeometry(25, 95, 945, 486);
    m_chart->setDesign(statsDesign());
    m_hints->addBackground(m_chart);

    // The buttons along the foot, in Tab order, with what the status line says over each.
    const struct {
        const char* name;
        QRect place;
        const char* text;
        const char* hint;
        std::function<void()> action;
    } buttons[] = {
        {"btnBarre",
         {22, 598, 240, 38},
         "Visualizza grafico a barre",
         "Visualizza le statistiche dei costi sotto forma di grafico a barre tridimensionali.",
         [this] { showBars(); }},
        {"btnTorta",
         {272, 598, 240, 38},
         "Visualizza grafico a torta",
         "Visualizza le statistiche dei costi sotto forma di grafico a torta tridimensionale.",
         [this] { showPie(); }},
        {"btnStampa",
         {522, 598, 180, 38},
         "Stampa grafico",
         "Stampa il grafico corrente.",
         [this] { print(); }},
        {"btnEsci",
         {848, 598, 125, 38},
         "Esci",
         "Esci da questo ambiente di lavoro.",
         [this] { close(); }},
    };
    for (const auto& b : buttons) {
        QPushButton* w =
            button(m_chartPanel, QString::fromLatin1(b.name), b.place, QString::fromUtf8(b.text));
        connect(w, &QPushButton::clicked, this, b.action);
        m_hints->add(w, QString::fromUtf8(b.hint));
    }
    m_hints->addBackground(picture(m_chartPanel, QStringLiteral("imgFattura"),
                                   QRect(760, 598, 38, 38),
                                   art::glyph(QSize(38, 38), art::Glyph::Chart)));

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
