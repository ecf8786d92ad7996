#pragma once

#include "ui/dialog_screen.h"

class QLabel;
class QLineEdit;
class QPushButton;

// frmAllegaCartella: edits the three attachment slots of the card on the vehicle card screen.
// Documents are copied into the attachment folder as soon as they are chosen; the slots go
// back to the card's hidden labels only with "Applica e chiudi".
class AttachmentsDialog : public DialogScreen {
    Q_OBJECT
public:
    // `card` is the vehicle card screen: owner, and holder of lblFile01 .. lblDesc03.
    AttachmentsDialog(AppContext& ctx, QWidget* card);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    struct Slot {
        QLineEdit* name = nullptr;
        QLineEdit* description = nullptr;
        QPushButton* open = nullptr;
    };

    void browse(const Slot& slot);
    void openDocument(const Slot& slot);
    void apply();

    QWidget* m_card;
    Slot m_slots[3];
    QLabel* m_mark = nullptr;
};
