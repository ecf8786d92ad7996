// Vehicle and cost records as the lists read them: the vehicle search rows and criteria, the
// due rule of the four deadline lists, the unpaid list and the cost search.
#include "fuzz_input.h"

#include "costs/cost_list.h"
#include "costs/cost_record.h"
#include "deadlines/deadline_rule.h"
#include "records/record_file.h"
#include "vehicle_output/vehicle_search.h"
#include "vehicles/vehicle_record.h"

#include <QDate>

#include <array>
#include <vector>

namespace {

std::array<QString, 10> criteriaTexts(const FuzzInput& in) {
    std::array<QString, 10> texts;
    for (std::size_t i = 0; i < texts.size(); ++i)
        texts[i] = in.text(static_cast<qsizetype>(i));
    return texts;
}

void vehicles(const FuzzInput& in) {
    const std::array<QString, 10> texts = criteriaTexts(in);
    RecordFile file(in.device(), TSchedaVeicolo::kRecordSize);
    std::vector<QString> rows;
    vehicle_search::collect(file, vehicle_search::Criteria(texts), rows);
    const QDate today(2026, 12, 10);
    for (deadlines::Kind kind : deadlines::kKinds) {
        rows.clear();
        deadlines::collectDue(file, kind, today, rows);
    }
    (void)deadlines::check(in.text(0), today);
    file.scan([](qint64, QByteArrayView record) {
        (void)TSchedaVeicolo::decode(record);
        return true;
    });
}

void costs(const FuzzInput& in) {
    const std::array<QString, 10> texts = criteriaTexts(in);
    RecordFile file(in.device(), TSchedaCosto::kRecordSize);
    std::vector<QString> rows;
    cost_list::collectUnpaid(file, rows);
    rows.clear();
    cost_list::collect(file, cost_list::searchCriteria(texts), rows);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const FuzzInput in(data, size);
    try {
        vehicles(in);
        costs(in);
    } catch (const RecordFileError&) {
        // A file that cannot be read is told by the screens; only a crash is a finding here.
    }
    return 0;
}
