#include "reports/report_output.h"

#include "app/app_context.h"
#include "app/formats.h"
#include "reports/report_renderer.h"

#include <QPrinter>

#include <exception>

namespace report {

void prepare(Report& report, const AppContext& ctx) {
    report.variables.insert(QStringLiteral("DATE"), formats::date(ctx.clock->today()));
}

Outcome print(AppContext& ctx, QWidget* parent, Report report) {
    try {
        prepare(report, ctx);
        QPrinter printer(QPrinter::HighResolution);
        printer.setDocName(report.name);
        printer.setCopyCount(1);
        printer.setPageLayout(report.pageLayout());
        if (!ctx.printing->choosePrinter(printer, parent))
            return Outcome::Cancelled;
        return render(report, printer).isEmpty() ? Outcome::Failed : Outcome::Done;
    } catch (const std::exception&) {
        return Outcome::Failed;
    }
}

Outcome preview(AppContext& ctx, QWidget* parent, Report report) {
    bool failed = false;
    try {
        prepare(report, ctx);
        // The preview window calls back whenever it needs the pages; nothing may escape
        // into its event handling, so a failure is only remembered here.
        ctx.printing->preview(parent, report.name, [&report, &failed](QPrinter& printer) {
            try {
                printer.setDocName(report.name);
                if (render(report, printer).isEmpty())
                    failed = true;
            } catch (const std::exception&) {
                failed = true;
            }
        });
    } catch (const std::exception&) {
        failed = true;
    }
    return failed ? Outcome::Failed : Outcome::Done;
}

} // namespace report
