#pragma once

#include <QDateTime>
#include <QList>
#include <QString>

class QPrinter;
class QWidget;
struct AppContext;

// The printout of the cost entry on screen, "SCHEDA COSTI SOSTENUTI": drawn straight on the
// printer, one label and value per line, as the fields show it, saved or not.
namespace cost_printout {

struct Line {
    QString label;
    QString value;
};

// The fourteen lines from the cost screen's fields (found by name), every text trimmed.
QList<Line> lines(const QWidget& costScreen);

// The copies answer: plain digits give their number (zero included); anything else, an
// empty answer or a number too large to count gives 1.
int copiesFromAnswer(const QString& answer);

// Draws one document on `printer`. False when the printer cannot begin it.
bool drawDocument(QPrinter& printer, const QList<Line>& lines, const QDateTime& printedAt);

// The whole command: question, copies, print dialog, one document per copy.
void print(AppContext& ctx, QWidget* costScreen);

} // namespace cost_printout
