#pragma once

#include "costs/cost_record.h"

#include <QDateTime>
#include <QList>
#include <QString>

class QPrinter;
class QWidget;
struct AppContext;

// The printout of a cost entry, "SCHEDA COSTI SOSTENUTI": drawn straight on the printer, one
// label and value per line. The cost screen prints the entry as its fields show it, saved or not.
namespace cost_printout {

struct Line {
    QString label;
    QString value;
};

// The fourteen lines of an entry, every text trimmed.
QList<Line> lines(const TSchedaCosto& entry);

// The copies answer: plain digits give their number (zero included); anything else, an
// empty answer or a number too large to count gives 1.
int copiesFromAnswer(const QString& answer);

// Draws one document on `printer`. False when the printer cannot begin it.
bool drawDocument(QPrinter& printer, const QList<Line>& lines, const QDateTime& printedAt);

// The whole command: question, copies, print dialog, one document per copy. `costScreen` is
// the parent of the prompts.
void print(AppContext& ctx, QWidget* costScreen, const TSchedaCosto& entry);

} // namespace cost_printout
