#include "ui/tool_frame.h"

#include "ui/artwork.h"
#include "ui/screen_parts.h"
#include "ui/screen_sizes.h"
#include "ui/status_hints.h"

#include <QLabel>
#include <QPushButton>

ToolFrame buildToolFrame(QWidget* window, const QString& infoText, int infoWidth) {
    window->setAutoFillBackground(true);
    QPalette p = window->palette();
    p.setColor(QPalette::Window, QColor(0xEE, 0xED, 0xED));
    window->setPalette(p);

    const int width = screen_sizes::kListWindow.width();
    ToolFrame frame;
    frame.commands = screen_parts::box(window, QStringLiteral("shpSfondo"),
                                       QRect(10, 10, width - 20, 56), Qt::white);
    frame.strip = screen_parts::box(window, QStringLiteral("shpInfo"), screen_sizes::kInfoStrip,
                                    QColor(0x30, 0x30, 0xDD));
    frame.info = screen_parts::label(frame.strip, QStringLiteral("panInfo"),
                                     QRect(8, 0, infoWidth, screen_sizes::kInfoStrip.height()),
                                     infoText, {QFont(QStringLiteral("Tahoma"), 12), Qt::white});
    frame.work = screen_parts::box(window, QStringLiteral("panContainer"),
                                   QRect(10, 76, width - 20, 440), Qt::white);

    frame.hints = new StatusHints(frame.info, window);
    for (QWidget* background : {window, frame.commands, frame.work})
        frame.hints->addBackground(background);

    frame.help = screen_parts::glyphButton(window, QStringLiteral("cmdGuida"),
                                           QRect(width - 110, 18, 40, 40), art::Glyph::Help,
                                           QStringLiteral("Guida"));
    auto* exit =
        screen_parts::glyphButton(window, QStringLiteral("cmdEsci"), QRect(width - 62, 18, 40, 40),
                                  art::Glyph::Exit, QStringLiteral("Esci"));
    frame.hints->add(frame.help,
                     QStringLiteral("Visualizza la pagina della guida sensibile al contesto."));
    frame.hints->add(exit, QStringLiteral("Esci da questo ambiente di lavoro."));
    QObject::connect(exit, &QPushButton::clicked, window, &QWidget::close);
    return frame;
}
