#include "vehicles/photo_zoom_dialog.h"

#include "ui/picture_box.h"

PhotoZoomDialog::PhotoZoomDialog(AppContext& ctx, QWidget* opener)
    : PhotoStage(ctx, opener, QStringLiteral("frmZoom"),
                 QStringLiteral(" Fai clic sulla foto per chiudere questa finestra")) {}

void PhotoZoomDialog::setPicture(const QImage& picture) {
    photo()->setPicture(picture);
}
