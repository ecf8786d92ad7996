#pragma once

#include <QString>
#include <QStringList>

class QWidget;
struct AppContext;

// Prints a result list: the title band, the rows one per line in list order followed by the
// screen's extra lines, and the "Stampa eseguita in data" footer. Shows the print dialog first.
void printList(AppContext& ctx, QWidget* parent, const QString& title, const QStringList& rows,
               const QStringList& extraLines = {});
