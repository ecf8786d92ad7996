#include "vehicle_output/vehicle_search.h"

#include "lists/field_text.h"
#include "lists/fixed_width.h"
#include "records/parallel_scan.h"

namespace vehicle_search {
namespace {

// Rows are made for many records: their fields are read without allocating.
FieldText field(QByteArrayView record, F::Field f) {
    return FieldText(record, F::layout(), f);
}

std::vector<std::pair<int, QString>> byField(const std::array<QString, 10>& texts) {
    std::vector<std::pair<int, QString>> pairs;
    for (std::size_t i = 0; i < texts.size(); ++i)
        pairs.emplace_back(kCriteriaFields[i], texts[i]);
    return pairs;
}

} // namespace

Criteria::Criteria(const std::array<QString, 10>& texts) : m_criteria(F::layout(), byField(texts)) {}

QString row(QByteArrayView record) {
    fixed_width::Row r;
    r.column(field(record, F::Tipo).view(), 20)
        .text(u"  ")
        .pair(field(record, F::Marca).view(), field(record, F::Modello).view(), 30)
        .text(u"  Targa: ")
        .column(field(record, F::Targa).view(), 12)
        .text(u"  Titolare: ")
        .column(field(record, F::Proprietario).view(), 30)
        .text(u"  Anno: ")
        .column(field(record, F::Anno).view(), 10)
        .text(u"  Km: ")
        .last(field(record, F::Chilometri).view());
    return r.take();
}

void collect(RecordFile& file, const Criteria& criteria, std::vector<QString>& rows, int workers) {
    parallel_scan::collectInOrder(file, rows, [&](std::vector<QString>& part, int, QByteArrayView record) {
        if (criteria.matches(record))
            part.push_back(row(record));
    }, workers);
}

} // namespace vehicle_search
