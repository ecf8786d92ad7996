#include "lists/criteria_panel.h"
#include "ui/fonts.h"

#include "ui/artwork.h"
#include "ui/focus_frame.h"
#include "ui/return_chain.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace criteria_panel {

namespace {

// A white box of words, centred and wrapped: the windows' banners and explanation lines.
QLabel* wordsBox(QWidget* parent, const QString& name, const QRect& place, const QString& text,
                 QColor colour, int pixelSize, bool bold) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    QLabel* label = screen_parts::label(parent, name, place, text,
                                        {font, colour, Qt::AlignCenter, true, Qt::white});
    label->setContentsMargins(12, 4, 12, 4);
    return label;
}

} // namespace

void resultsBanner(QWidget* panel, const QString& banner) {
    wordsBox(panel, QStringLiteral("imgLogo"), QRect(8, 0, 817, 53), banner,
             QColor(0x10, 0x2A, 0x60), 28, true);
    wordsBox(panel, QStringLiteral("icoIstruzioni01"), QRect(8, 60, 817, 44),
             QStringLiteral(
                 "Digitare una o più parole consecutive della voce da trovare e premere Trova. "
                 "Premere di "
                 "nuovo Trova per passare alla voce successiva che contiene le stesse parole."),
             QColor(0x20, 0x30, 0x60), 13, false);
}

void resultsHint(QWidget* panel) {
    screen_parts::label(
        panel, QStringLiteral("lblRigo03"), QRect(16, 430, 801, 20),
        QStringLiteral("Fare doppio clic sulla voce in elenco per richiamare la scheda"),
        {fonts::verdana(10), QColor(0xDC, 0x14, 0x3C), Qt::AlignCenter});
}

screen_parts::TextLook noticeLook() {
    return {fonts::verdana(10, QFont::Bold), QColor(0x00, 0x8B, 0x8B), Qt::AlignCenter};
}

Panels makePanels(QWidget* window) {
    const QRect place(14, 15, 833, 529);
    Panels panels;
    panels.criteria = new QWidget(window);
    panels.criteria->setObjectName(QStringLiteral("panAvvio"));
    panels.criteria->setGeometry(place);
    panels.results = new QWidget(window);
    panels.results->setObjectName(QStringLiteral("panContainer"));
    panels.results->setGeometry(place);
    panels.results->hide();
    return panels;
}

Parts build(QWidget* panel, const std::array<Criterion, 10>& criteria) {
    wordsBox(panel, QStringLiteral("imgSpiega"), QRect(0, 0, 833, 92),
             QStringLiteral("Digitare nei campi prescelti una o più parole consecutive contenute nelle schede da "
                            "trovare e lasciare in bianco tutti gli altri campi. È possibile utilizzare uno o più "
                            "campi contemporaneamente."),
             QColor(0x10, 0x2A, 0x60), 15, true);
    screen_parts::picture(panel, QStringLiteral("imgTrova01"), QRect(8, 150, 150, 220),
                          art::glyph(QSize(120, 120), art::Glyph::Find))
        ->setAlignment(Qt::AlignCenter);

    Parts parts;
    QList<QWidget*> order;
    const screen_parts::TextLook caption{fonts::verdana(12), QColor(0x10, 0x28, 0x5F)};
    for (std::size_t i = 0; i < criteria.size(); ++i) {
        const Criterion& c = criteria[i];
        const int x = i % 2 == 0 ? 168 : 500;
        const int y = 112 + static_cast<int>(i / 2) * 62;
        screen_parts::label(panel, QString::fromLatin1(c.label), QRect(x, y, 320, 22),
                            QString::fromUtf8(c.caption), caption);
        auto* field = new QLineEdit(panel);
        field->setObjectName(QString::fromLatin1(c.field));
        field->setFont(fonts::verdana(12, QFont::Bold));
        field->setGeometry(x, y + 28, 320, 22);
        addFocusFrame(field, 4)->setObjectName(QString::fromLatin1(c.frame));
        parts.fields.append(field);
        order.append(field);
    }
    chainReturn(order);

    parts.wait =
        screen_parts::label(panel, QStringLiteral("lblAttendere"), QRect(180, 440, 473, 24),
                            QStringLiteral("Ricerca schede in corso. Attendere..."), noticeLook());
    parts.wait->hide();
    parts.count = screen_parts::hiddenLabel(panel, QStringLiteral("lblConta"), QStringLiteral("0"));

    parts.close = screen_parts::dialogButton(panel, QStringLiteral("btnAnnulla"),
                                             QRect(8, 486, 161, 32), QStringLiteral("Chiudi"));
    parts.search = screen_parts::dialogButton(panel, QStringLiteral("btnCerca"),
                                              QRect(664, 486, 161, 32), QStringLiteral("Cerca"));
    QLabel* wait = parts.wait;
    QObject::connect(parts.search, &QPushButton::pressed, wait, [wait] {
        wait->show();
        wait->repaint();
    });
    QObject::connect(parts.search, &QPushButton::released, wait, &QWidget::hide); // let go elsewhere
    return parts;
}

} // namespace criteria_panel
