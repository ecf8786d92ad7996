#pragma once

#include <QRect>
#include <QSize>

// The sizes the screens share, so a screen says which of them it is built on.
namespace screen_sizes {

// The panel a maximised area screen centres its controls on.
inline constexpr QSize kAreaPanel(995, 692);
// The vehicle card's panel is one unit wider.
inline constexpr QSize kCardPanel(996, 692);
// The status line along the foot of an area panel.
inline constexpr int kStatusLineHeight = 30;
constexpr QRect statusLineAlong(QSize panel) {
    return QRect(0, panel.height() - kStatusLineHeight, panel.width(), kStatusLineHeight);
}

// The fixed window of the search, list, export and backup dialogs.
inline constexpr QSize kListWindow(862, 560);
// Their info strip along the foot of the window, and the status text inside it.
inline constexpr QRect kInfoStrip(0, 526, 862, 34);

} // namespace screen_sizes
