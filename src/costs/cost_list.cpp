#include "costs/cost_list.h"

#include "lists/field_text.h"
#include "lists/fixed_width.h"
#include "records/parallel_scan.h"

namespace cost_list {
namespace {

// Rows are made for every entry of a year: fields are read without allocating.
FieldText field(QByteArrayView record, C::Field f) {
    return FieldText(record, C::layout(), f);
}

} // namespace

QString row(QByteArrayView record) {
    fixed_width::Row r;
    r.pair(field(record, C::Marca).view(), field(record, C::Modello).view(), 28)
        .text(u"  Targa: ")
        .column(field(record, C::Targa).view(), 10)
        .text(u"  Data: ")
        .column(field(record, C::Data).view(), 10)
        .text(u"  ")
        .column(field(record, C::Causale).view(), 32)
        .text(u"  A: ")
        .column(field(record, C::Beneficiario).view(), 28)
        .text(u"  Costo: € ")
        .last(field(record, C::Importo).view());
    return r.take();
}

bool isUnpaid(QByteArrayView record) {
    return fixed_width::trimmed(field(record, C::Saldato).view()) == C::unpaid();
}

void collectUnpaid(RecordFile& file, std::vector<QString>& rows, int workers) {
    parallel_scan::collectInOrder(file, rows, [](std::vector<QString>& part, int, QByteArrayView record) {
        if (isUnpaid(record))
            part.push_back(row(record));
    }, workers);
}

FieldCriteria searchCriteria(const std::array<QString, 10>& texts) {
    std::vector<std::pair<int, QString>> pairs;
    for (std::size_t i = 0; i < texts.size(); ++i)
        pairs.emplace_back(kSearchFields[i], texts[i]);
    return FieldCriteria(C::layout(), pairs);
}

void collect(RecordFile& file, const FieldCriteria& criteria, std::vector<QString>& rows, int workers) {
    parallel_scan::collectInOrder(file, rows, [&](std::vector<QString>& part, int, QByteArrayView record) {
        if (criteria.matches(record))
            part.push_back(row(record));
    }, workers);
}

} // namespace cost_list
