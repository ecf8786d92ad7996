#pragma once

#include <QString>

// The number typed into a copies box: plain digits give their number (zero included); anything
// else (blanks included), an empty text or a number too large to count gives 1.
int copiesTyped(const QString& answer);

// The statistics printout's rule: as copiesTyped, but zero copies also gives 1.
inline int copiesFromAnswer(const QString& answer) {
    const int copies = copiesTyped(answer);
    return copies > 0 ? copies : 1;
}
