#pragma once

#include "vehicles/photo_stage.h"

class PictureBox;
class QLabel;
class QPushButton;
class QTimer;

// frmSlideshow_Automezzi: the photos of all cards in turn, full screen, every 6 seconds,
// starting again after the last, until a click.
class SlideshowDialog : public PhotoStage {
    Q_OBJECT
public:
    static constexpr int kIntervalMs = 6000;

    SlideshowDialog(AppContext& ctx, QWidget* opener);

protected:
    void showEvent(QShowEvent* event) override;

private:
    // One tick: the next card's photo, or the wrap back to the first.
    void step();
    void showCardPhoto();

    PictureBox* m_start = nullptr;
    QLabel* m_position = nullptr;
    QPushButton* m_step = nullptr;
    QTimer* m_timer = nullptr;
    qint64 m_next = 0;
};
