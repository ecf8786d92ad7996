#pragma once

struct AppContext;
struct ExportSetup;
class QString;
class QWidget;

// frmExpCosti: a year file in a grid (the one open on the cost screen), exported to
// "Costi_Sostenuti.xls".
namespace cost_export {

const ExportSetup& setup();
void open(AppContext& ctx, QWidget* opener, const QString& yearFile);

} // namespace cost_export
