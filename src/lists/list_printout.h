#pragma once

#include "reports/report_design.h"

#include <QString>
#include <QStringList>

class QWidget;
struct AppContext;

// Prints a result list: the title band, the rows one per line in list order followed by the
// screen's extra lines, and the "Stampa eseguita in data" footer. Shows the print dialog first.
void printList(AppContext& ctx, QWidget* parent, const QString& title, const QStringList& rows,
               const QStringList& extraLines = {});

// The page design every list screen prints with (frxReport), filled with a title and lines.
report::Report listReport(const QString& title, const QStringList& lines);
