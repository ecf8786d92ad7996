#pragma once

#include "reports/report_design.h"

#include <QList>

class QPagedPaintDevice;

namespace report {

// One piece of a band on a page: the band's strip from `top` down `height` mm, placed
// `pageY` mm below the top of the page's printable area.
struct Slice {
    int band = 0; // index into Report::bands
    double top = 0;
    double height = 0;
    double pageY = 0;
};
using Page = QList<Slice>;

// The text of a memo as printed: [NAME] replaced by the report's variables when the memo
// expands expressions; unknown names stay as typed.
QString memoText(const Report& report, const Memo& memo);

// Sets the device's page to the report's and paints every page. Returns the pages laid
// out, or an empty list when the device cannot be painted on.
QList<Page> render(const Report& report, QPagedPaintDevice& device);

} // namespace report
