#pragma once

#include "ui/dialog_screen.h"

class PictureBox;

// A maximised screen showing one picture as large as the screen allows (the screen's size
// less 60 x 90), centred on a steel-blue gradient; a click on the picture or around it closes it.
class PhotoStage : public DialogScreen {
    Q_OBJECT
public:
    PhotoStage(AppContext& ctx, QWidget* opener, const QString& name, const QString& caption);

protected:
    PictureBox* photo() const { return m_photo; }

    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void centrePanel();

    QWidget* m_panel = nullptr;
    PictureBox* m_photo = nullptr;
};
