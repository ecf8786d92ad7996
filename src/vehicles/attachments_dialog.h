#pragma once

#include "ui/dialog_screen.h"

#include <array>
#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;

// One attachment slot of a card: the bare file name and its description.
struct AttachmentSlot {
    QString name;
    QString description;
};
using AttachmentSlots = std::array<AttachmentSlot, 3>;

// frmAllegaCartella: edits the three attachment slots of a vehicle card. Documents are copied
// into the attachment folder as soon as they are chosen; the slots go back to the opener
// (trimmed) only with "Applica e chiudi". lblMemory shows the opener's caller mark.
class AttachmentsDialog : public DialogScreen {
    Q_OBJECT
public:
    using Apply = std::function<void(const AttachmentSlots& chosen)>;

    // Shows `current` (trimmed); without `apply`, "Applica e chiudi" does nothing.
    AttachmentsDialog(AppContext& ctx, QWidget* opener, const QString& callerMark, const AttachmentSlots& current,
                      Apply onApply);

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

    Apply m_apply;
    Slot m_slots[3];
    QLabel* m_mark = nullptr;
};
