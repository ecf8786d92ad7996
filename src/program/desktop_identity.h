#pragma once

#include <QString>

// How the desktop knows the program: one application id for the menu entry, the icon, the
// software-centre data and the windows.
namespace desktop_identity {

inline const QString kApplicationId = QStringLiteral("it.vestrano.Vestrano");

// Application name and version; the per-user folders follow from them.
void nameApplication();
// The windows' icon and the menu entry they belong to. Needs QGuiApplication.
void identifyWindows();

} // namespace desktop_identity
