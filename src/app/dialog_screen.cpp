#include "app/dialog_screen.h"

#include <QGuiApplication>

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
