#pragma once

#include <QFont>
#include <QString>

// The program's screens are drawn in Verdana; a missing Verdana falls back through the
// installed font substitutions.
namespace fonts {

inline const QString kVerdana = QStringLiteral("Verdana");

// As QFont(family, points, weight): a weight left at -1 stays unset, so the font still takes
// its weight from where it is used.
inline QFont verdana(int points, int weight = -1) {
    return QFont(kVerdana, points, weight);
}

} // namespace fonts
