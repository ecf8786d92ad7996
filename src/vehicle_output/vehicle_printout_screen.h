#pragma once

#include "ui/dialog_screen.h"

#include <QImage>
#include <QStringList>

class PictureBox;

// frmStampaAutomezzo and frmAnteprimaAutomezzo: confirm, then print or preview a vehicle card
// as the card screen shows it.
class VehiclePrintoutScreen : public DialogScreen {
    Q_OBJECT
public:
    enum class Command { Print, Preview };

    // Opens a fresh screen over `opener`. `fields` are the texts of the 32 edit fields as they
    // stand; a null `photo` prints the placeholder.
    static VehiclePrintoutScreen* open(AppContext& ctx, QWidget* opener, Command command, const QStringList& fields,
                                       const QImage& photo);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    VehiclePrintoutScreen(AppContext& ctx, QWidget* opener, Command command, const QStringList& fields,
                          const QImage& photo);
    void takePhoto(const QImage& photo);
    void run();

    Command m_command;
    QStringList m_fields;
    PictureBox* m_logo = nullptr;
    PictureBox* m_temp = nullptr;
};
