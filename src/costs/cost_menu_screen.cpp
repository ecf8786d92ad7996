#include "costs/cost_menu_screen.h"

#include "app/app_context.h"
#include "costs/cost_screen.h"
#include "costs/year_field.h"
#include "help/help_topics.h"
#include "records/text_rules.h"
#include "ui/artwork.h"
#include "ui/focus_frame.h"
#include "ui/fonts.h"
#include "ui/return_chain.h"
#include "ui/screen_parts.h"
#include "ui/screen_sizes.h"
#include "ui/screens.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

const QColor kInk(0x10, 0x2A, 0x60);
const QString kCostsMark = QStringLiteral("costi");

// One column for each place the menu leads to: a white box holding a title, a picture and the
// button that leaves for `mark`.
struct Column {
    const char* box;
    const char* title;
    const char* button;
    const char* mark;
    art::Tile tile;
    int x;
};

constexpr Column kColumns[] = {
    {"shpConsumi", "Crea o aggiorna schede costi:", "btnApriConsumi", "costi", art::Tile::Costs, 8},
    {"shpRiepConsumi", "Visualizza riepilogo:", "btnApriRiepConsumi", "RiepSpese", art::Tile::Fleet,
     337},
    {"shpRiepStats", "Mostra grafici statistici:", "btnApriRiepStats", "stats",
     art::Tile::Deadlines, 666},
};

screen_parts::TextLook captionLook() {
    return {fonts::verdana(12, QFont::Bold), kInk, Qt::AlignLeft | Qt::AlignVCenter, true};
}

} // namespace

CostMenuScreen::CostMenuScreen(AppContext& ctx)
    : AreaScreen(ctx, QStringLiteral("frmMenuCosti"),
                 QStringLiteral(" Vestrano 3.0 - Costi sostenuti"), Window::Maximised) {
    using namespace screen_parts;
    QWidget* panel = centredPanel(screen_sizes::kAreaPanel);

    m_memory = hiddenLabel(panel, QStringLiteral("lblMemory"), QStringLiteral("avvio"));

    box(panel, QStringLiteral("shpTitolo"), QRect(8, 6, 978, 130), Qt::white);
    picture(panel, QStringLiteral("imgTitolo"), QRect(20, 14, 954, 60),
            art::words(QSize(954, 60), QStringLiteral("COSTI SOSTENUTI"), QColor(0xD0, 0x10, 0x10),
                       40));
    label(panel, QStringLiteral("lblInformazioni"), QRect(30, 80, 934, 48),
          QStringLiteral("In questo ambiente è possibile registrare i costi sostenuti per ciascun "
                         "veicolo, nonché visualizzarne il riepilogo e i grafici statistici."),
          {fonts::verdana(11, QFont::Normal), kInk, Qt::AlignCenter, true});

    QPushButton* openYearButton = nullptr;
    for (const Column& c : kColumns) {
        box(panel, QString::fromLatin1(c.box), QRect(c.x, 146, 320, 470), Qt::white);
        label(panel, {}, QRect(c.x + 20, 156, 280, 30), QString::fromUtf8(c.title), captionLook());
        const QRect picturePlace(c.x + 20, 192, 280, 300);
        picture(panel, {}, picturePlace, art::tile(picturePlace.size(), c.tile));
        QPushButton* open =
            button(panel, QString::fromLatin1(c.button), QRect(c.x + 185, 548, 115, 40),
                   QStringLiteral("Apri"), fonts::verdana(11, QFont::Bold));
        const QString mark = QString::fromLatin1(c.mark);
        if (mark == kCostsMark) {
            openYearButton = open;
            connect(open, &QPushButton::clicked, this, &CostMenuScreen::openYear);
        } else {
            connect(open, &QPushButton::clicked, this, [this, mark] { leaveFor(mark); });
        }
    }

    label(panel, {}, QRect(28, 548, 60, 40), QStringLiteral("Anno:"), captionLook());
    m_year = new QLineEdit(panel);
    m_year->setObjectName(QStringLiteral("txtAnnoConsumi"));
    m_year->setAlignment(Qt::AlignCenter);
    m_year->setFont(fonts::verdana(14, QFont::Bold));
    m_year->setGeometry(90, 551, 80, 34);
    addFocusFrame(m_year, 4);
    makeYearField(m_year);
    chainReturn({m_year, openYearButton}, false); // Return goes to the open button

    box(panel, QStringLiteral("shpCalce"), QRect(8, 626, 978, 56), Qt::white);
    auto* guide = glyphButton(panel, QStringLiteral("imgGuida"), QRect(20, 638, 32, 32),
                              art::Glyph::Help, QStringLiteral("Guida"));
    connect(guide, &QPushButton::clicked, this,
            [this] { help::openTopic(m_ctx, this, help::Topic::Costs); });
    auto* exit = glyphButton(panel, QStringLiteral("imgEsci"), QRect(942, 638, 32, 32),
                             art::Glyph::Exit, QStringLiteral("Esci"));
    connect(exit, &QPushButton::clicked, this, &QWidget::close);
}

void CostMenuScreen::onShow() {
    m_year->setText(QStringLiteral("%1").arg(m_ctx.clock->today().year(), 4, 10, QLatin1Char('0')));
    m_year->setFocus();
}

void CostMenuScreen::openYear() {
    if (!isYearText(m_year->text())) {
        m_ctx.dialogs->notice(this, NoticeKind::Warning,
                              QStringLiteral("Attenzione: indicare l'anno solare utilizzando quattro cifre."));
        m_year->setFocus();
        return;
    }
    const QString year = text::trimmed(m_year->text());
    if (auto* costs = qobject_cast<CostScreen*>(m_ctx.screens->area(QStringLiteral("frmCosti"))))
        costs->openYear(year);
    leaveFor(kCostsMark);
}

void CostMenuScreen::returnToMainMenuOnClose() {
    m_memory->setText(QStringLiteral("avvio"));
}

void CostMenuScreen::leaveFor(const QString& mark) {
    m_memory->setText(mark);
    close();
}

void CostMenuScreen::onClose() {
    const QString mark = text::trimmed(m_memory->text());
    if (mark == QLatin1String("avvio"))
        goTo(QStringLiteral("frmAvvio"));
    else if (mark == kCostsMark)
        goTo(QStringLiteral("frmCosti"));
    else if (mark == QLatin1String("RiepSpese"))
        goTo(QStringLiteral("frmMenuRiepSpese"));
    else if (mark == QLatin1String("stats"))
        goTo(QStringLiteral("frmStatCosti"));
    else
        hide(); // no known mark: nothing to show
}
