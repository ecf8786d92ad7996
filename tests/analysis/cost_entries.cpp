#include "cost_entries.h"

#include "support/record_fixtures.h"

namespace cost_entries {

TSchedaCosto record(const Entry& e) {
    using C = TSchedaCosto;
    C r;
    r[C::Data] = e.date;
    r[C::Giorno] = e.date.left(2);
    r[C::Anno] = e.date.mid(6, 4);
    r[C::Importo] = e.amount;
    r[C::Targa] = e.plate;
    r[C::Causale] = e.reason;
    r[C::Marca] = e.make;
    r[C::Modello] = e.model;
    r[C::Beneficiario] = e.payee;
    r[C::Saldato] = e.paid ? C::paid() : C::unpaid();
    return r;
}

void write(const QString& path, const QList<Entry>& entries) {
    QByteArray bytes;
    for (const Entry& e : entries)
        bytes += record(e).encode();
    fixtures::writeFile(path, bytes);
}

} // namespace cost_entries
