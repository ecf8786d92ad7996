#pragma once

#include "app/dialog_screen.h"

#include <QImage>

class PictureBox;

// frmZoom: the card's photo as large as the screen allows; a click anywhere closes it.
class PhotoZoomDialog : public DialogScreen {
    Q_OBJECT
public:
    PhotoZoomDialog(AppContext& ctx, QWidget* opener);
    void setPicture(const QImage& picture);

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void centrePanel();

    QWidget* m_panel = nullptr;
    PictureBox* m_photo = nullptr;
};
