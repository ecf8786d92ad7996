#pragma once

struct AppContext;
struct ExportSetup;
class QWidget;

// frmExpCosti: the year open on the cost screen in a grid, exported to "Costi_Sostenuti.xls".
namespace cost_export {

const ExportSetup& setup();
void open(AppContext& ctx, QWidget* opener);

} // namespace cost_export
