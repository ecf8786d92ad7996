#pragma once

#include <QString>

// The number of copies typed into the copies box, as the print dialog is to propose it.
// Anything but plain digits (blanks included), an empty text, zero or a number too large to
// count gives 1.
int copiesFromAnswer(const QString& answer);
