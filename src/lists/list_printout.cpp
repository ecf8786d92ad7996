#include "lists/list_printout.h"

// Filled in with the report engine.
void printList(AppContext&, QWidget*, const QString&, const QStringList&, const QStringList&) {}
