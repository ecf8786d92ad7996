#pragma once

#include <QString>

// Text rules shared by every screen and record: "blank" means any character of code 32 or
// lower, and case changes touch only the letters a-z / A-Z (accented letters stay as typed).
namespace text {

QString trimmed(const QString& s);
QString upperAZ(const QString& s);
QString lowerAZ(const QString& s);
inline bool isBlank(const QString& s) { return trimmed(s).isEmpty(); }

} // namespace text
