#pragma once

#include "records/field_criteria.h"
#include "records/parallel_work.h"
#include "vehicles/vehicle_record.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <array>
#include <vector>

class RecordFile;

// Finding vehicle cards by up to ten text criteria, and the row each found card shows.
namespace vehicle_search {

using F = TSchedaVeicolo;

// The fields searched, in the order of the criteria fields on the screen.
inline constexpr std::array<F::Field, 10> kCriteriaFields = {
    F::Tipo, F::Destinazione, F::Marca, F::Modello, F::Targa,
    F::Stato, F::Autista, F::Meccanico, F::Proprietario, F::Note};

// A criterion takes part when it is not blank. It is matched as typed (blanks included)
// anywhere inside its field as stored, the letters A-Z and a-z counting alike; accented
// letters match only themselves. A card is found when every set criterion matches.
class Criteria {
public:
    explicit Criteria(const std::array<QString, 10>& texts);

    int setCount() const { return m_criteria.setCount(); }
    bool matches(QByteArrayView record) const { return m_criteria.matches(record); }

private:
    FieldCriteria m_criteria;
};

// Tipo | Marca Modello | Targa | Proprietario | Anno | Chilometri, in fixed-width columns.
QString row(QByteArrayView record);

// Appends the row of every found card in file order. Throws RecordFileError; the rows made
// before a failure stay in `rows`.
void collect(RecordFile& file, const Criteria& criteria, std::vector<QString>& rows, int workers = parallel_work::defaultWorkers());

} // namespace vehicle_search
