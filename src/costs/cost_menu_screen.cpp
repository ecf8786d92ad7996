#include "costs/cost_menu_screen.h"
#include "ui/fonts.h"

#include "app/app_context.h"
#include "costs/cost_screen.h"
#include "costs/year_field.h"
#include "help/help_topics.h"
#include "records/text_rules.h"
#include "ui/artwork.h"
#include "ui/focus_frame.h"
#include "ui/return_chain.h"
#include "ui/screen_parts.h"
#include "ui/screens.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

QWidget* whiteBox(QWidget* parent, const QString& name, const QRect& r) {
    return screen_parts::box(parent, name, r, Qt::white);
}

QLabel* caption(QWidget* parent, const QString& words, const QRect& r, int points, bool bold,
             Qt::Alignment align = Qt::AlignLeft | Qt::AlignVCenter) {
    auto* label = new QLabel(words, parent);
    label->setGeometry(r);
    label->setFont(fonts::verdana(points, bold ? QFont::Bold : QFont::Normal));
    label->setAlignment(align);
    label->setWordWrap(true);
    label->setStyleSheet(QStringLiteral("color: #102A60;"));
    return label;
}

} // namespace

CostMenuScreen::CostMenuScreen(AppContext& ctx)
    : AreaScreen(ctx, QStringLiteral("frmMenuCosti"), QStringLiteral(" Vestrano 3.0 - Costi sostenuti"),
                 Window::Maximised) {
    QWidget* panel = centredPanel(QSize(995, 692));

    m_memory = new QLabel(QStringLiteral("avvio"), panel);
    m_memory->setObjectName(QStringLiteral("lblMemory"));
    m_memory->hide();

    whiteBox(panel, QStringLiteral("shpTitolo"), QRect(8, 6, 978, 130));
    auto* heading = new QLabel(panel);
    heading->setObjectName(QStringLiteral("imgTitolo"));
    heading->setGeometry(20, 14, 954, 60);
    heading->setPixmap(art::words(QSize(954, 60), QStringLiteral("COSTI SOSTENUTI"), QColor(0xD0, 0x10, 0x10), 40));
    auto* info = caption(panel,
                      QStringLiteral("In questo ambiente è possibile registrare i costi sostenuti per ciascun veicolo, "
                                     "nonché visualizzarne il riepilogo e i grafici statistici."),
                      QRect(30, 80, 934, 48), 11, false, Qt::AlignCenter);
    info->setObjectName(QStringLiteral("lblInformazioni"));

    const struct {
        const char* box;
        const char* title;
        const char* button;
        const char* mark;
        art::Tile tile;
        int x;
    } columns[] = {{"shpConsumi", "Crea o aggiorna schede costi:", "btnApriConsumi", "costi", art::Tile::Costs, 8},
                   {"shpRiepConsumi", "Visualizza riepilogo:", "btnApriRiepConsumi", "RiepSpese", art::Tile::Fleet, 337},
                   {"shpRiepStats", "Mostra grafici statistici:", "btnApriRiepStats", "stats", art::Tile::Deadlines, 666}};
    QPushButton* openYearButton = nullptr;
    for (const auto& c : columns) {
        whiteBox(panel, QString::fromLatin1(c.box), QRect(c.x, 146, 320, 470));
        caption(panel, QString::fromUtf8(c.title), QRect(c.x + 20, 156, 280, 30), 12, true);
        auto* picture = new QLabel(panel);
        picture->setGeometry(c.x + 20, 192, 280, 300);
        picture->setPixmap(art::tile(QSize(280, 300), c.tile));
        auto* button = new QPushButton(QStringLiteral("Apri"), panel);
        button->setObjectName(QString::fromLatin1(c.button));
        button->setGeometry(c.x + 185, 548, 115, 40);
        button->setCursor(Qt::PointingHandCursor);
        button->setFont(fonts::verdana(11, QFont::Bold));
        const QString mark = QString::fromLatin1(c.mark);
        if (mark == QLatin1String("costi")) {
            openYearButton = button;
            connect(button, &QPushButton::clicked, this, &CostMenuScreen::openYear);
        } else {
            connect(button, &QPushButton::clicked, this, [this, mark] { leaveFor(mark); });
        }
    }

    caption(panel, QStringLiteral("Anno:"), QRect(28, 548, 60, 40), 12, true);
    m_year = new QLineEdit(panel);
    m_year->setObjectName(QStringLiteral("txtAnnoConsumi"));
    m_year->setAlignment(Qt::AlignCenter);
    m_year->setFont(fonts::verdana(14, QFont::Bold));
    m_year->setGeometry(90, 551, 80, 34);
    addFocusFrame(m_year, 4);
    makeYearField(m_year);
    chainReturn({m_year, openYearButton}, false); // Return goes to the open button

    whiteBox(panel, QStringLiteral("shpCalce"), QRect(8, 626, 978, 56));
    auto* guide = screen_parts::pictureButton(
        panel, QStringLiteral("imgGuida"), QRect(20, 638, 32, 32),
        art::glyph(QSize(32, 32), art::Glyph::Help), QStringLiteral("Guida"));
    connect(guide, &QPushButton::clicked, this, [this] { help::openTopic(m_ctx, this, help::Topic::Costs); });
    auto* exit = screen_parts::pictureButton(
        panel, QStringLiteral("imgEsci"), QRect(942, 638, 32, 32),
        art::glyph(QSize(32, 32), art::Glyph::Exit), QStringLiteral("Esci"));
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
    leaveFor(QStringLiteral("costi"));
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
    else if (mark == QLatin1String("costi"))
        goTo(QStringLiteral("frmCosti"));
    else if (mark == QLatin1String("RiepSpese"))
        goTo(QStringLiteral("frmMenuRiepSpese"));
    else if (mark == QLatin1String("stats"))
        goTo(QStringLiteral("frmStatCosti"));
    else
        hide(); // no known mark: nothing to show
}
