#include "support/cost_fixtures.h"

#include "support/record_fixtures.h"

namespace fixtures {

TSchedaCosto costEntry(const QString& tag, const QString& year) {
    using C = TSchedaCosto;
    TSchedaCosto e;
    e[C::Giorno] = QStringLiteral("05");
    e[C::Mese] = QStringLiteral("Marzo");
    e[C::Anno] = year;
    e[C::Data] = QStringLiteral("05/03/") + year;
    e[C::Veicolo] = QStringLiteral("Autovettura");
    e[C::Marca] = QStringLiteral("Marca ") + tag;
    e[C::Modello] = QStringLiteral("Modello ") + tag;
    e[C::Targa] = QStringLiteral("TG") + tag;
    e[C::Causale] = QStringLiteral("Causale ") + tag;
    e[C::Beneficiario] = QStringLiteral("Beneficiario ") + tag;
    e[C::Importo] = QStringLiteral("10,00");
    e[C::Saldato] = C::unpaid();
    return e;
}

void writeCosts(const QString& path, const QList<TSchedaCosto>& entries) {
    QByteArray bytes;
    for (const TSchedaCosto& e : entries)
        bytes += e.encode();
    writeFile(path, bytes);
}

TSchedaCosto datedCost(const DatedCost& e) {
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

void writeDatedCosts(const QString& path, const QList<DatedCost>& entries) {
    QList<TSchedaCosto> records;
    for (const DatedCost& e : entries)
        records.append(datedCost(e));
    writeCosts(path, records);
}

QList<TSchedaCosto> readCosts(const QString& path) {
    const QByteArray bytes = readFile(path);
    QList<TSchedaCosto> entries;
    for (qsizetype at = 0; at + TSchedaCosto::kRecordSize <= bytes.size(); at += TSchedaCosto::kRecordSize)
        entries.append(TSchedaCosto::decode(QByteArrayView(bytes).sliced(at, TSchedaCosto::kRecordSize)));
    return entries;
}

} // namespace fixtures
