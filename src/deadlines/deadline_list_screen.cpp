#include "deadlines/deadline_list_screen.h"
#include "ui/fonts.h"

#include "app/app_context.h"
#include "ui/shared_messages.h"
#include "ui/screen_parts.h"
#include "ui/artwork.h"
#include "lists/list_printout.h"
#include "lists/result_list.h"
#include "records/text_rules.h"
#include "vehicles/vehicle_file.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>

namespace {

const QColor kOrange(0xFF, 0x8C, 0x00);

} // namespace

DeadlineListScreen::DeadlineListScreen(AppContext& ctx, QWidget* opener, deadlines::Kind kind)
    : DialogScreen(ctx, opener, QString::fromLatin1(deadlines::setup(kind).screen),
                   QString::fromLatin1(deadlines::setup(kind).caption), Window::FixedCentred, QSize(930, 632)),
      m_kind(kind), m_setup(deadlines::setup(kind)) {
    setGradient(QColor(0x46, 0x82, 0xB4));

    auto* panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("panContainer"));
    panel->setGeometry(14, 14, 902, 560);
    screen_parts::box(panel, QStringLiteral("shpStampa"), QRect(0, 0, 902, 560), Qt::white);

    screen_parts::picture(panel, QStringLiteral("icoAuto"), QRect(20, 8, 110, 62),
                          art::car(QSize(110, 62)));
    screen_parts::picture(
        panel, QStringLiteral("icoTipoScadenze"), QRect(20, 76, 862, 26),
        art::strip(QSize(862, 26), text::trimmed(windowTitle()).toUpper(), kOrange));

    screen_parts::box(panel, QStringLiteral("shpLista"), QRect(20, 112, 862, 342), kOrange);
    m_list = new ResultList(panel);
    m_list->setGeometry(25, 117, 852, 332);
    m_list->keepInView(deadlines::kRowThroughDueDate);

    screen_parts::label(panel, QStringLiteral("lblRigo03"), QRect(20, 470, 862, 22),
                        QString::fromLatin1(m_setup.note),
                        {fonts::verdana(10), QColor(0x8B, 0x45, 0x13), Qt::AlignCenter});

    auto* close = screen_parts::dialogButton(this, QStringLiteral("btnChiudi"),
                                             QRect(14, 588, 161, 32), QStringLiteral("Chiudi"));
    auto* print = screen_parts::dialogButton(this, QStringLiteral("btnStampa"),
                                             QRect(755, 588, 161, 32), QStringLiteral("Stampa"));
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    connect(print, &QPushButton::clicked, this, &DeadlineListScreen::print);
}

void DeadlineListScreen::showEvent(QShowEvent* event) {
    DialogScreen::showEvent(event);
    if (!event->spontaneous() && !m_filled) {
        m_filled = true;
        fill();
    }
}

void DeadlineListScreen::closeEvent(QCloseEvent* event) {
    m_list->clearRows();
    DialogScreen::closeEvent(event);
}

void DeadlineListScreen::fill() {
    // What was found so far stays listed; a file that cannot be read is told, or an empty list
    // would say that nothing is due.
    std::vector<QString> rows;
    bool complete = false;
    try {
        VehicleFile file(m_ctx.programDir);
        m_list->clearRows();
        deadlines::collectDue(file, m_kind, m_ctx.clock->today(), rows);
        file.close();
        complete = true;
    } catch (const RecordFileError&) {
    }
    m_list->setRows(std::move(rows));
    if (complete)
        m_list->finishFill();
    else
        m_ctx.dialogs->notice(this, NoticeKind::Error, shared_messages::accessFailure());
}

void DeadlineListScreen::print() {
    printList(m_ctx, this, QString::fromLatin1(m_setup.title), m_list->texts());
}
