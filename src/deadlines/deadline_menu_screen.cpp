#include "deadlines/deadline_menu_screen.h"

#include "app/artwork.h"
#include "app/picture_button.h"

#include <QPushButton>

DeadlineMenuScreen::DeadlineMenuScreen(AppContext& ctx)
    : AreaScreen(ctx, QStringLiteral("frmMenuScadenze"), QStringLiteral(" Vestrano 3.0 - Scadenze Imminenti"),
                 Window::Maximised) {
    QWidget* panel = centredPanel(QSize(995, 692));
    auto* exit = makePictureButton(panel, QStringLiteral("imgEsci"), art::glyph(QSize(24, 24), art::Glyph::Exit),
                                   QRect(955, 655, 24, 24));
    connect(exit, &QPushButton::clicked, this, &QWidget::close);
}
