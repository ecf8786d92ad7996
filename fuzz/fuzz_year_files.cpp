// A year file as the cost summary and the monthly statistics read it, with the filters and
// the year the user typed.
#include "fuzz_input.h"

#include "analysis/cost_summary.h"
#include "analysis/monthly_costs.h"
#include "app/formats.h"
#include "costs/cost_record.h"
#include "records/record_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const bool formatsSet = (formats::applyProcessWide(), true);
    (void)formatsSet;
    const FuzzInput in(data, size);
    try {
        cost_summary::Request request;
        request.plate = in.text(0);
        request.reason = in.text(1);
        request.from = formats::parseDate(in.text(2));
        request.to = formats::parseDate(in.text(3));
        (void)cost_summary::activeFilters(request);
        RecordFile summaryFile(in.device(), TSchedaCosto::kRecordSize);
        cost_summary::Result result;
        cost_summary::read(summaryFile, request, result);
        (void)cost_summary::finalTotal(cost_summary::runningText(result.total));
        (void)cost_summary::finalTotal(in.text(4));

        RecordFile statsFile(in.device(), TSchedaCosto::kRecordSize);
        const monthly_costs::Sums sums = monthly_costs::read(statsFile, in.text(5));
        for (int month = 0; month < monthly_costs::kMonths; ++month)
            (void)monthly_costs::roundedText(sums.text(month));
        (void)monthly_costs::roundedText(in.text(6));
    } catch (const RecordFileError&) {
        // Told by the screens; only a crash is a finding here.
    }
    return 0;
}
