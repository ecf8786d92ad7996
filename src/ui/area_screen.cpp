#include "ui/area_screen.h"

#include "app/app_context.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

AreaScreen::AreaScreen(AppContext& ctx, const QString& name, const QString& caption, Window window,
                       QSize fixedSize)
    : QWidget(nullptr), m_ctx(ctx), m_window(window) {
    setObjectName(name);
    setWindowTitle(caption);
    if (window == Window::FixedCentred) {
        setFixedSize(fixedSize);
        // No window buttons: the screen closes only through its own controls.
        setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    }
}

void AreaScreen::present() {
    if (m_window == Window::Maximised) {
        showMaximized();
    } else {
        if (const QScreen* screen = QGuiApplication::primaryScreen())
            move(screen->availableGeometry().center() - rect().center());
        show();
    }
    if (QGuiApplication::platformName() != QLatin1String("offscreen")) // no stacking there
        raise();
    activateWindow();
}

void AreaScreen::goTo(const QString& target) {
    emit goToRequested(target);
    hide();
}

void AreaScreen::onClose() {
    goTo(QStringLiteral("frmAvvio"));
}

void AreaScreen::setGradient(QColor top, QColor bottom) {
    m_top = top;
    m_bottom = bottom;
    update();
}

QWidget* AreaScreen::centredPanel(QSize size) {
    if (!m_panel) {
        m_panel = new QWidget(this);
        m_panel->setObjectName(QStringLiteral("panel"));
    }
    m_panel->setFixedSize(size);
    m_panel->move(std::max(0, (width() - size.width()) / 2), std::max(0, (height() - size.height()) / 2));
    return m_panel;
}

void AreaScreen::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!event->spontaneous())
        onShow();
}

void AreaScreen::closeEvent(QCloseEvent* event) {
    onClose();
    event->accept();
}

void AreaScreen::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QLinearGradient gradient(0, 0, 0, height());
    gradient.setColorAt(0, m_top);
    gradient.setColorAt(1, m_bottom);
    painter.fillRect(rect(), gradient);
}

void AreaScreen::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (m_panel)
        m_panel->move(std::max(0, (width() - m_panel->width()) / 2),
                      std::max(0, (height() - m_panel->height()) / 2));
}
