#include "alerts/due_alert_screen.h"
#include "ui/fonts.h"

#include "alerts/due_table_model.h"
#include "app/app_context.h"
#include "app/formats.h"
#include "ui/area_screen.h"
#include "ui/artwork.h"
#include "ui/screen_parts.h"
#include "ui/screens.h"
#include "ui/status_hints.h"
#include "vehicles/vehicle_file.h"

#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>

namespace {

const QColor kOrange(0xFF, 0x8C, 0x00);

} // namespace

DueAlertScreen::DueAlertScreen(AppContext& ctx, QWidget* mainMenu, alerts::DueList due)
    : DialogScreen(ctx, mainMenu, QStringLiteral("frmPromemoriaScadenze"),
                   QStringLiteral(" Vestrano 3.0 - Promemoria scadenze"), Window::FixedCentred, QSize(860, 584)) {
    setGradient(QColor(0x46, 0x82, 0xB4));

    auto* panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("panContainer"));
    panel->setGeometry(14, 14, 832, 484);
    screen_parts::box(panel, QStringLiteral("shpSfondo"), QRect(0, 0, 832, 484), Qt::white);

    screen_parts::picture(panel, QStringLiteral("icoAuto"), QRect(16, 10, 110, 62),
                          art::car(QSize(110, 62)));
    screen_parts::picture(
        panel, QStringLiteral("icoTitolo"), QRect(140, 14, 676, 30),
        art::strip(QSize(676, 30), QStringLiteral("PROMEMORIA SCADENZE"), kOrange, 18));
    screen_parts::label(
        panel, QStringLiteral("lblIstruzioni"), QRect(140, 50, 676, 22),
        QStringLiteral(
            "Scadenze già trascorse o in arrivo nei prossimi 7 giorni, dalla più vicina."),
        {fonts::verdana(10), QColor(0x8B, 0x45, 0x13)});

    screen_parts::box(panel, QStringLiteral("shpLista"), QRect(16, 84, 800, 384), kOrange);
    m_rows = new DueTableModel(std::move(due), ctx.clock->today(), this);
    auto* table = new QTableView(panel);
    table->setObjectName(QStringLiteral("grdScadenze"));
    table->setGeometry(21, 89, 790, 374);
    table->setModel(m_rows);
    table->setFont(fonts::verdana(10));
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setAlternatingRowColors(true);
    table->verticalHeader()->hide();
    table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed); // uniform rows: quick with many
    table->verticalHeader()->setDefaultSectionSize(24);
    table->horizontalHeader()->setFont(fonts::verdana(10, QFont::Bold));
    table->horizontalHeader()->setStretchLastSection(true);
    const int widths[] = {120, 260, 130, 110};
    for (int c = 0; c < int(std::size(widths)); ++c)
        table->setColumnWidth(c, widths[c]);

    auto* open =
        screen_parts::dialogButton(this, QStringLiteral("btnApriScadenze"), QRect(14, 510, 200, 32),
                                   QStringLiteral("Apri scadenze"));
    auto* close = screen_parts::dialogButton(this, QStringLiteral("btnChiudi"),
                                             QRect(646, 510, 200, 32), QStringLiteral("Chiudi"));
    connect(open, &QPushButton::clicked, this, &DueAlertScreen::openDeadlineMenu);
    connect(close, &QPushButton::clicked, this, &QWidget::close);

    QLabel* info =
        screen_parts::statusLine(this, QRect(0, 556, 860, 28), {}, QColor(0x6A, 0x5A, 0xCD));
    auto* hints = new StatusHints(info, this);
    hints->addBackground(this);
    hints->addBackground(panel);
    hints->add(open, QStringLiteral("Apre il menu delle scadenze imminenti, con gli elenchi da consultare e stampare."));
    hints->add(close, QStringLiteral("Chiude il promemoria e resta nel menu principale."));
}

void DueAlertScreen::openDeadlineMenu() {
    AppContext& ctx = m_ctx;
    close();
    if (AreaScreen* mainMenu = ctx.screens->area(QStringLiteral("frmAvvio")))
        mainMenu->goTo(QStringLiteral("frmMenuScadenze"));
}

namespace alerts {

void remindOnEntering(AppContext& ctx, QWidget* mainMenu) {
    // Coming in must not create the vehicle file: with no file nothing is due.
    if (!QFileInfo::exists(VehicleFile::pathIn(ctx.programDir)))
        return;
    DueList due;
    try {
        VehicleFile file(ctx.programDir);
        due = collectDue(file, ctx.clock->today());
        file.close();
    } catch (const RecordFileError&) {
        return;
    }
    if (!due.items.empty())
        (new DueAlertScreen(ctx, mainMenu, std::move(due)))->present();
}

} // namespace alerts
