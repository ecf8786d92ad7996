#include "analysis/stats_screen.h"

#include "app/artwork.h"
#include "app/picture_button.h"

#include <QPushButton>

StatsScreen::StatsScreen(AppContext& ctx)
    : AreaScreen(ctx, QStringLiteral("frmStatCosti"), QStringLiteral(" Vestrano 3.0 - Statistiche costi mensili"),
                 Window::Maximised) {
    QWidget* panel = centredPanel(QSize(995, 692));
    auto* exit = new QPushButton(QStringLiteral("Esci"), panel);
    exit->setObjectName(QStringLiteral("btnEsci"));
    exit->setGeometry(860, 640, 120, 36);
    auto* exitIcon = makePictureButton(panel, QStringLiteral("imgEsci"), art::glyph(QSize(24, 24), art::Glyph::Exit),
                                       QRect(955, 10, 24, 24));
    connect(exit, &QPushButton::clicked, this, &QWidget::close);
    connect(exitIcon, &QPushButton::clicked, this, &QWidget::close);
}
