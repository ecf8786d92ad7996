#pragma once

#include "costs/cost_record.h"
#include "records/field_criteria.h"
#include "records/parallel_work.h"

#include <QByteArrayView>
#include <QString>

#include <array>
#include <vector>

class RecordFile;

// The rows of the unpaid list and the cost search, and which entries each of them lists.
namespace cost_list {

using C = TSchedaCosto;

// Marca Modello | Targa | Data | Causale | Beneficiario | Importo, in fixed-width columns.
QString row(QByteArrayView record);

// Unpaid: the paid flag, trimmed, reads exactly "No".
bool isUnpaid(QByteArrayView record);
// Appends the row of every unpaid entry in file order. Throws RecordFileError; the rows made
// before a failure stay in `rows`.
void collectUnpaid(RecordFile& file, std::vector<QString>& rows, int workers = parallel_work::defaultWorkers());

// The fields the cost search looks in, in the order of its criteria fields on screen.
inline constexpr std::array<C::Field, 10> kSearchFields = {
    C::Data, C::Causale, C::Conducente, C::Pagatore, C::Beneficiario,
    C::Targa, C::Marca, C::Modello, C::Descrizione, C::Note};

FieldCriteria searchCriteria(const std::array<QString, 10>& texts);
// Appends the row of every entry that matches, in file order. Throws RecordFileError.
void collect(RecordFile& file, const FieldCriteria& criteria, std::vector<QString>& rows,
             int workers = parallel_work::defaultWorkers());

} // namespace cost_list
