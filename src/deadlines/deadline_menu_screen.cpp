#include "deadlines/deadline_menu_screen.h"
#include "ui/fonts.h"

#include "calendar/calendar_export.h"
#include "deadlines/deadline_list_screen.h"
#include "help/help_topics.h"
#include "ui/artwork.h"
#include "ui/screen_parts.h"
#include "ui/screen_sizes.h"
#include "ui/status_hints.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>

namespace {

QPixmap informationStrip(QSize size, const QString& text) {
    QPixmap pm(size);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xFF, 0xF8, 0xDC));
    p.drawRoundedRect(QRectF(pm.rect()).adjusted(0.5, 0.5, -0.5, -0.5), 8, 8);
    p.drawPixmap(10, (size.height() - 32) / 2, art::glyph(QSize(32, 32), art::Glyph::Info));
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(15);
    f.setBold(true);
    p.setFont(f);
    p.setPen(QColor(0x5A, 0x3A, 0x10));
    p.drawText(QRect(54, 0, size.width() - 64, size.height()), Qt::AlignVCenter | Qt::TextWordWrap, text);
    return pm;
}

} // namespace

DeadlineMenuScreen::DeadlineMenuScreen(AppContext& ctx)
    : AreaScreen(ctx, QStringLiteral("frmMenuScadenze"), QStringLiteral(" Vestrano 3.0 - Scadenze Imminenti"),
                 Window::Maximised) {
    QWidget* panel = centredPanel(screen_sizes::kAreaPanel);
    panel->setObjectName(QStringLiteral("panContainer"));

    screen_parts::picture(
        panel, QStringLiteral("icoTitolo"), QRect(20, 16, 640, 64),
        art::words(QSize(640, 64), QStringLiteral("SCADENZE IMMINENTI"), Qt::white, 48));
    screen_parts::picture(panel, QStringLiteral("icoAuto"), QRect(855, 14, 120, 68),
                          art::car(QSize(120, 68)));

    screen_parts::label(
        panel, QStringLiteral("lblIstruzioni"), QRect(20, 100, 955, 26),
        QStringLiteral("Premi il pulsante relativo al tipo di scadenze imminenti da riepilogare."),
        {fonts::verdana(12), Qt::white});

    const QColor orange(0xF0, 0x80, 0x10);
    int y = 150;
    for (deadlines::Kind kind : deadlines::kKinds) {
        const deadlines::ListSetup& s = deadlines::setup(kind);
        auto* b = screen_parts::pictureButton(
            panel, QString::fromLatin1(s.menuButton), QRect(40, y, 330, 70),
            art::buttonPicture(QSize(330, 70), QString::fromLatin1(s.buttonWords), orange),
            QString::fromLatin1(s.buttonWords));
        connect(b, &QPushButton::clicked, this, [this, kind] { openList(kind); });
        y += 96;
    }
    screen_parts::picture(panel, QStringLiteral("icoScadenze"), QRect(420, 150, 540, 270),
                          art::tile(QSize(540, 270), art::Tile::Deadlines));
    // In line with the last list button, under the photo.
    auto* exportCalendar = screen_parts::pictureButton(
        panel, QStringLiteral("btnEsportaCalendario"), QRect(420, 438, 540, 70),
        art::buttonPicture(QSize(540, 70), QStringLiteral("ESPORTA CALENDARIO"), orange),
        QStringLiteral("Esporta calendario"));
    connect(exportCalendar, &QPushButton::clicked, this, [this] { calendar::exportFromMenu(m_ctx, this); });
    screen_parts::picture(
        panel, QStringLiteral("icoIstruzioni"), QRect(20, 560, 955, 60),
        informationStrip(
            QSize(955, 60),
            QStringLiteral("Dopo aver provveduto a una scadenza, ricordati di aggiornare la scheda "
                           "del veicolo con la data della scadenza successiva.")));

    screen_parts::hiddenLabel(panel, QStringLiteral("lblMemory"), QStringLiteral("avvio"));

    auto* guide = screen_parts::pictureButton(
        panel, QStringLiteral("imgGuida"), QRect(20, 649, 110, 34),
        art::buttonPicture(QSize(110, 34), QStringLiteral("Guida"), orange),
        QStringLiteral("Guida"));
    connect(guide, &QPushButton::clicked, this, [this] { help::openTopic(m_ctx, this, help::Topic::Deadlines); });
    auto* exit = screen_parts::pictureButton(
        panel, QStringLiteral("imgEsci"), QRect(865, 649, 110, 34),
        art::buttonPicture(QSize(110, 34), QStringLiteral("Esci"), orange), QStringLiteral("Esci"));
    connect(exit, &QPushButton::clicked, this, &QWidget::close);

    auto* hints = new StatusHints(
        screen_parts::statusLine(panel, QRect(146, 652, 703, 28), {}, QColor(0x6A, 0x5A, 0xCD)),
        this);
    hints->addBackground(this);
    hints->addBackground(panel);
    hints->add(exportCalendar, QStringLiteral("Salva le scadenze da oggi in poi nel file Scadenze.ics, da aprire o "
                                              "importare nel calendario del computer o del telefono."));
}

void DeadlineMenuScreen::openList(deadlines::Kind kind) {
    (new DeadlineListScreen(m_ctx, this, kind))->present();
}
