#pragma once

#include <QString>
#include <QStringView>

// Text rules shared by every screen and record: "blank" means any character of code 32 or
// lower, and case changes touch only the letters a-z / A-Z (accented letters stay as typed).
namespace text {

QString trimmed(const QString& s);
QStringView trimmedView(QStringView s);
QString upperAZ(const QString& s);
QString lowerAZ(const QString& s);
inline bool isBlank(const QString& s) { return trimmed(s).isEmpty(); }

} // namespace text
