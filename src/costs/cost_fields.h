#pragma once

#include <QString>
#include <QStringList>

class QComboBox;
class QLineEdit;
class QWidget;

// Behaviour of the cost register's special edit fields, attached to plain Qt widgets so the
// cost entry screen and the summary selection share one implementation.
namespace cost_fields {

// An editable drop-down list field; free typing is allowed unless a rule below says otherwise.
QComboBox* makeListField(QWidget* parent, const QString& name, const QStringList& items, int maxLength);

// No item highlighted in the list; the text stays as it is.
void clearListSelection(QComboBox* field);
// Clears the list selection each time the field is about to get the focus.
void clearSelectionOnFocus(QComboBox* field);

// Day and month fields take their value only from the drop-down: Backspace and Delete empty
// the field, Left and Right move, Return moves on (through the Return chain), every other key
// is discarded. Leaving the field empties it unless its trimmed text is an item of its list
// (for months, compared with `monthCase`).
void makeDayField(QComboBox* field);
void makeMonthField(QComboBox* field, Qt::CaseSensitivity monthCase);

// The amount: digits and the comma only, at most 15 typed characters, right-aligned, and the
// normalisation each time the field is left. The program itself may put a longer text in it.
void makeAmountField(QLineEdit* field);

// The text is kept trimmed and in capitals (a-z only) at every change.
void makeCapitalsField(QLineEdit* field);

} // namespace cost_fields
