#include "lists/criteria_panel.h"
#include "ui/fonts.h"

#include "ui/artwork.h"
#include "ui/focus_frame.h"
#include "ui/return_chain.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace criteria_panel {

QLabel* wordsBox(QWidget* parent, const QString& name, const QRect& r, const QString& text, QColor colour,
                 int pixelSize, bool bold) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setGeometry(r);
    label->setAutoFillBackground(true);
    QPalette pal = label->palette();
    pal.setColor(QPalette::Window, Qt::white);
    label->setPalette(pal);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignCenter);
    label->setContentsMargins(12, 4, 12, 4);
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    label->setFont(f);
    label->setStyleSheet(QStringLiteral("color: %1;").arg(colour.name()));
    label->setText(text);
    return label;
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
    auto* decoration = new QLabel(panel);
    decoration->setObjectName(QStringLiteral("imgTrova01"));
    decoration->setGeometry(8, 150, 150, 220);
    decoration->setPixmap(art::glyph(QSize(120, 120), art::Glyph::Find));
    decoration->setAlignment(Qt::AlignCenter);

    Parts parts;
    QList<QWidget*> order;
    for (std::size_t i = 0; i < criteria.size(); ++i) {
        const Criterion& c = criteria[i];
        const int x = i % 2 == 0 ? 168 : 500;
        const int y = 112 + static_cast<int>(i / 2) * 62;
        auto* caption = new QLabel(QString::fromUtf8(c.caption), panel);
        caption->setObjectName(QString::fromLatin1(c.label));
        caption->setFont(fonts::verdana(12));
        caption->setGeometry(x, y, 320, 22);
        caption->setStyleSheet(QStringLiteral("color: #10285F;"));
        auto* field = new QLineEdit(panel);
        field->setObjectName(QString::fromLatin1(c.field));
        field->setFont(fonts::verdana(12, QFont::Bold));
        field->setGeometry(x, y + 28, 320, 22);
        addFocusFrame(field, 4)->setObjectName(QString::fromLatin1(c.frame));
        parts.fields.append(field);
        order.append(field);
    }
    chainReturn(order);

    parts.wait = new QLabel(QStringLiteral("Ricerca schede in corso. Attendere..."), panel);
    parts.wait->setObjectName(QStringLiteral("lblAttendere"));
    parts.wait->setGeometry(180, 440, 473, 24);
    parts.wait->setAlignment(Qt::AlignCenter);
    parts.wait->setFont(fonts::verdana(10, QFont::Bold));
    parts.wait->setStyleSheet(QStringLiteral("color: #008B8B;")); // on the panel's gradient, no strip of its own
    parts.wait->hide();
    parts.count = new QLabel(QStringLiteral("0"), panel);
    parts.count->setObjectName(QStringLiteral("lblConta"));
    parts.count->hide();

    const auto button = [panel](const char* name, const char* text, const QRect& r) {
        auto* b = new QPushButton(QString::fromLatin1(text), panel);
        b->setObjectName(QString::fromLatin1(name));
        b->setGeometry(r);
        b->setAutoDefault(false);
        return b;
    };
    parts.close = button("btnAnnulla", "Chiudi", QRect(8, 486, 161, 32));
    parts.search = button("btnCerca", "Cerca", QRect(664, 486, 161, 32));
    QLabel* wait = parts.wait;
    QObject::connect(parts.search, &QPushButton::pressed, wait, [wait] {
        wait->show();
        wait->repaint();
    });
    QObject::connect(parts.search, &QPushButton::released, wait, &QWidget::hide); // let go elsewhere
    return parts;
}

} // namespace criteria_panel
