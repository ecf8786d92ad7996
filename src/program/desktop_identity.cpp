#include "program/desktop_identity.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QIcon>

namespace desktop_identity {

void nameApplication() {
    QCoreApplication::setApplicationName(QStringLiteral("Vestrano"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VESTRANO_VERSION));
}

void identifyWindows() {
    QGuiApplication::setDesktopFileName(kApplicationId);
    // Our own pictures first: the theme's copy is the same icon when installed, and a copy run
    // from its build folder has no theme entry.
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/%1.png").arg(size), QSize(size, size));
    QGuiApplication::setWindowIcon(icon);
}

} // namespace desktop_identity
