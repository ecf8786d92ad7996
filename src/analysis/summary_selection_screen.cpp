#include "analysis/summary_selection_screen.h"

#include <QPushButton>

SummarySelectionScreen::SummarySelectionScreen(AppContext& ctx)
    : AreaScreen(ctx, QStringLiteral("frmMenuRiepSpese"), QStringLiteral(" Vestrano 3.0 - Riepilogo costi sostenuti"),
                 Window::Maximised) {
    QWidget* panel = centredPanel(QSize(995, 692));
    auto* exit = new QPushButton(QStringLiteral("Esci"), panel);
    exit->setObjectName(QStringLiteral("btnEsci"));
    exit->setGeometry(860, 640, 120, 36);
    connect(exit, &QPushButton::clicked, this, &QWidget::close);
}
