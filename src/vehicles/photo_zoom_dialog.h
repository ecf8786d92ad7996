#pragma once

#include "vehicles/photo_stage.h"

#include <QImage>

// frmZoom: the card's photo as large as the screen allows; a click anywhere closes it.
class PhotoZoomDialog : public PhotoStage {
    Q_OBJECT
public:
    PhotoZoomDialog(AppContext& ctx, QWidget* opener);
    void setPicture(const QImage& picture);
};
