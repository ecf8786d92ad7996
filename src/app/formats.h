#pragma once

#include <QDate>
#include <QString>
#include <QStringView>

// The process-wide formats: dates "dd/mm/yyyy", decimal comma.
namespace formats {

inline constexpr QChar kDecimalSeparator = u',';
inline constexpr QChar kDateSeparator = u'/';

void applyProcessWide();
QString date(const QDate& d);
// An invalid QDate when the text is not a real calendar date in "dd/mm/yyyy".
QDate parseDate(QStringView text);

} // namespace formats
