#pragma once

#include "reports/report_design.h"

class QWidget;
struct AppContext;

// The report engine's two commands. Both fill the report's variables first (DATE: today,
// "dd/mm/yyyy") and go through the printing seam.
namespace report {

enum class Outcome { Done, Cancelled, Failed };

// Variables every report may use: DATE, today's date.
void prepare(Report& report, const AppContext& ctx);

// Shows the print dialog (one copy, the default printer) and prints on the printer chosen.
Outcome print(AppContext& ctx, QWidget* parent, Report report);

// Shows the report in the preview window, from which the user may print it.
Outcome preview(AppContext& ctx, QWidget* parent, Report report);

} // namespace report
