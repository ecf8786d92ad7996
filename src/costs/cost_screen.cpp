#include "costs/cost_screen.h"

#include "app/artwork.h"
#include "app/picture_button.h"

#include <QPushButton>

CostScreen::CostScreen(AppContext& ctx)
    : AreaScreen(ctx, QStringLiteral("frmCosti"), QStringLiteral(" Vestrano 3.0 - Costi sostenuti"),
                 Window::Maximised) {
    QWidget* panel = centredPanel(QSize(995, 692));
    auto* exit = makePictureButton(panel, QStringLiteral("cmdEsci"), art::glyph(QSize(40, 40), art::Glyph::Exit),
                                   QRect(940, 10, 40, 40));
    connect(exit, &QPushButton::clicked, this, &QWidget::close);
}
