#include "vehicles/photo_stage.h"

#include "ui/gradient.h"
#include "ui/picture_box.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QScreen>

namespace {

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

PhotoStage::PhotoStage(AppContext& ctx, QWidget* opener, const QString& name, const QString& caption)
    : DialogScreen(ctx, opener, name, caption, Window::Maximised) {
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

void PhotoStage::showEvent(QShowEvent* event) {
    DialogScreen::showEvent(event);
    const QScreen* shown = screen();
    const QSize area = shown ? shown->size() - QSize(60, 90) : QSize(800, 600);
    m_panel->resize(area);
    m_photo->setGeometry(QRect(QPoint(0, 0), area));
    centrePanel();
}

void PhotoStage::resizeEvent(QResizeEvent* event) {
    DialogScreen::resizeEvent(event);
    centrePanel();
}

void PhotoStage::centrePanel() {
    m_panel->move(std::max(0, (width() - m_panel->width()) / 2), std::max(0, (height() - m_panel->height()) / 2));
}

void PhotoStage::paintEvent(QPaintEvent*) {
    paintVerticalGradient(this, QColor(0x46, 0x82, 0xB4), Qt::white);
}
