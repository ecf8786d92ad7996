#pragma once

#include "reports/report_design.h"

#include <QImage>
#include <QStringList>

// repDocumento, "Scheda Veicolo": one A4 portrait page with the photo and every data field
// of a card in a labelled box.
namespace vehicle_card_report {

report::Report design();

// Puts the photo in its box and the 32 field texts (card order, Tipo .. Note), trimmed, in
// their value memos.
void fill(report::Report& report, const QImage& photo, const QStringList& fieldTexts);

} // namespace vehicle_card_report
