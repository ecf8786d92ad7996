#pragma once

#include "ui/dialog_screen.h"

class PictureBox;

// frmStampaAutomezzo and frmAnteprimaAutomezzo: confirm, then print or preview the card that
// the vehicle card screen shows, as it stands on screen.
class VehiclePrintoutScreen : public DialogScreen {
    Q_OBJECT
public:
    enum class Command { Print, Preview };

    // Opens a fresh screen over the card screen `card`.
    static VehiclePrintoutScreen* open(AppContext& ctx, QWidget* card, Command command);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    VehiclePrintoutScreen(AppContext& ctx, QWidget* card, Command command);
    void takePhoto();
    void run();

    QWidget* m_card;
    Command m_command;
    PictureBox* m_logo = nullptr;
    PictureBox* m_temp = nullptr;
};
