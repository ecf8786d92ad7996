#include "costs/cost_menu_screen.h"

#include "app/artwork.h"
#include "app/picture_button.h"
#include "records/text_rules.h"

#include <QLabel>
#include <QPushButton>

CostMenuScreen::CostMenuScreen(AppContext& ctx)
    : AreaScreen(ctx, QStringLiteral("frmMenuCosti"), QStringLiteral(" Vestrano 3.0 - Costi sostenuti"),
                 Window::Maximised) {
    QWidget* panel = centredPanel(QSize(995, 692));

    m_memory = new QLabel(QStringLiteral("avvio"), panel);
    m_memory->setObjectName(QStringLiteral("lblMemory"));
    m_memory->hide();

    const struct {
        const char* name;
        const char* mark;
        int x;
    } openers[] = {{"btnApriConsumi", "costi", 60}, {"btnApriRiepConsumi", "RiepSpese", 390},
                   {"btnApriRiepStats", "stats", 720}};
    for (const auto& o : openers) {
        auto* button = new QPushButton(QStringLiteral("Apri"), panel);
        button->setObjectName(QString::fromLatin1(o.name));
        button->setGeometry(o.x, 540, 215, 40);
        button->setCursor(Qt::PointingHandCursor);
        const QString mark = QString::fromLatin1(o.mark);
        connect(button, &QPushButton::clicked, this, [this, mark] { leaveFor(mark); });
    }

    auto* exit = makePictureButton(panel, QStringLiteral("imgEsci"), art::glyph(QSize(24, 24), art::Glyph::Exit),
                                   QRect(955, 655, 24, 24));
    connect(exit, &QPushButton::clicked, this, &QWidget::close);
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
    // Any other mark: the menu just hides.
}
