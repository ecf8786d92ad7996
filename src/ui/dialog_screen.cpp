#include "ui/dialog_screen.h"

#include <QGuiApplication>
#include <QPainter>

DialogScreen::DialogScreen(AppContext& ctx, QWidget* opener, const QString& name,
                           const QString& caption, Window window, QSize fixedSize)
    : QDialog(opener), m_ctx(ctx), m_window(window) {
    setObjectName(name);
    setWindowTitle(caption);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowModality(Qt::ApplicationModal);
    if (window == Window::FixedCentred) {
        if (fixedSize.isValid())
            setFixedSize(fixedSize);
        setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    } else {
        setWindowFlags(Qt::Window | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
    }
}

void DialogScreen::present() {
    if (m_window == Window::Maximised)
        showMaximized();
    else
        show();
    if (QGuiApplication::platformName() != QLatin1String("offscreen")) // no stacking there
        raise();
    activateWindow();
}

void DialogScreen::setGradient(QColor top, QColor bottom) {
    m_top = top;
    m_bottom = bottom;
    update();
}

void DialogScreen::paintEvent(QPaintEvent* event) {
    if (!m_top.isValid()) {
        QDialog::paintEvent(event);
        return;
    }
    QPainter painter(this);
    QLinearGradient gradient(0, 0, 0, height());
    gradient.setColorAt(0, m_top);
    gradient.setColorAt(1, m_bottom);
    painter.fillRect(rect(), gradient);
}
