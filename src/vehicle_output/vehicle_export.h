#pragma once

struct AppContext;
struct ExportSetup;
class QWidget;

// frmExpAutoparco: the vehicle register in a grid, exported to "Parco_Automezzi.xls".
namespace vehicle_export {

const ExportSetup& setup();
void open(AppContext& ctx, QWidget* opener);

} // namespace vehicle_export
