#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// The rules that keep a cost entry's day, month, date and amount in shape. Pure functions:
// the cost entry screen, the summaries and the statistics all use them.
namespace cost_rules {

// The value lists of the cost entry fields, in the order the drop-downs show them.
const QStringList& vehicleTypes(); // 19 items, "Autobus" .. "Yacht"
const QStringList& reasons();      // 16 items, "Acquisto accessori" .. "Tagliando"
const QStringList& days();         // "01" .. "31"
const QStringList& months();       // "Gennaio" .. "Dicembre"

// A day field may hold only an item of its list (the text is trimmed first).
bool isListedDay(const QString& text);
// The cost entry screen's month field: exactly a month as listed, capital initial included.
// With Qt::CaseInsensitive, any letter case (the summary selection's month fields).
bool isListedMonth(const QString& text, Qt::CaseSensitivity cs = Qt::CaseSensitive);

// 1 for "gennaio" .. 12 for "dicembre", compared trimmed and in lower case; 0 for anything else.
int monthNumber(const QString& monthName);
// "01" .. "12", or an empty text for a name that is no month.
QString monthDigits(const QString& monthName);

bool isLeapYear(int year);
int daysInMonth(int month, int year); // 0 for a month outside 1..12
// A real calendar date: year 1..9999, month 1..12, day 1..length of that month.
bool isCalendarDate(int day, int month, int year);
// The same check on a "dd/mm/yyyy" text (two-digit day and month, four-digit year).
bool isCalendarDate(const QString& ddmmyyyy);

// Where the amount normalisation runs: leaving the field, or at the start of a save (which
// first cuts the text to the record's 15 characters).
enum class AmountForm { Leaving, Save };
inline constexpr int kAmountLength = 15;

// The amount as it must stand in the field: a decimal comma and two to four decimals.
// Blank or unreadable text gives "0,00"; the value is rounded half up to 4 decimals.
QString normaliseAmount(const QString& text, AmountForm form);
// False for a text that is neither blank nor an amount, which normaliseAmount would replace
// with "0,00": what the user typed would be lost without a word.
bool isAmountOrBlank(const QString& text, AmountForm form);

// Reads a plain decimal with a comma ("12", "12,5", ",5", "5,"), blanks around it allowed.
// No sign, no thousands separator, no exponent: anything else is not an amount.
std::optional<double> readAmount(const QString& text);

// A computed number in its shortest plain form: up to 15 significant digits, decimal comma,
// no thousands separator, no trailing zeros, no comma for a whole number (12; 12,5; 0,1).
QString shortestText(double value);
// value rounded half up to `decimals` places (4 for amounts and totals, 0 for the statistics).
double roundHalfUp(double value, int decimals);

} // namespace cost_rules
