#include "vehicles/photo_zoom_dialog.h"

#include "app/gradient.h"
#include "app/picture_box.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QScreen>

namespace {

// The frame around the picture: clicking it closes the dialog as clicking the picture does.
class ClickPanel : public QWidget {
public:
    using QWidget::QWidget;
    std::function<void()> onClick;

protected:
    void mouseReleaseEvent(QMouseEvent* event) override {
        if (event->button() == Qt::LeftButton && onClick)
            onClick();
    }
};

} // namespace

PhotoZoomDialog::PhotoZoomDialog(AppContext& ctx, QWidget* opener)
    : DialogScreen(ctx, opener, QStringLiteral("frmZoom"),
                   QStringLiteral(" Fai clic sulla foto per chiudere questa finestra"), Window::Maximised) {
    auto* panel = new ClickPanel(this);
    panel->setObjectName(QStringLiteral("panContainer"));
    panel->onClick = [this] { close(); };
    m_panel = panel;
    m_photo = new PictureBox(m_panel);
    m_photo->setObjectName(QStringLiteral("imgFoto"));
    m_photo->setCursor(Qt::PointingHandCursor);
    connect(m_photo, &PictureBox::clicked, this, &QWidget::close);
    // Whole screen even where no window manager honours the maximised state.
    if (const QScreen* shown = opener ? opener->screen() : QGuiApplication::primaryScreen())
        setGeometry(shown->availableGeometry());
}

void PhotoZoomDialog::setPicture(const QImage& picture) {
    m_photo->setPicture(picture);
}

void PhotoZoomDialog::showEvent(QShowEvent* event) {
    DialogScreen::showEvent(event);
    const QScreen* shown = screen();
    const QSize area = shown ? shown->size() - QSize(60, 90) : QSize(800, 600);
    m_panel->resize(area);
    m_photo->setGeometry(QRect(QPoint(0, 0), area));
    centrePanel();
}

void PhotoZoomDialog::resizeEvent(QResizeEvent* event) {
    DialogScreen::resizeEvent(event);
    centrePanel();
}

void PhotoZoomDialog::centrePanel() {
    m_panel->move(std::max(0, (width() - m_panel->width()) / 2), std::max(0, (height() - m_panel->height()) / 2));
}

void PhotoZoomDialog::paintEvent(QPaintEvent*) {
    paintVerticalGradient(this, QColor(0x46, 0x82, 0xB4), Qt::white);
}
