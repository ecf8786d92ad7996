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

QList<TSchedaCosto> readCosts(const QString& path) {
    const QByteArray bytes = readFile(path);
    QList<TSchedaCosto> entries;
    for (qsizetype at = 0; at + TSchedaCosto::kRecordSize <= bytes.size(); at += TSchedaCosto::kRecordSize)
        entries.append(TSchedaCosto::decode(QByteArrayView(bytes).sliced(at, TSchedaCosto::kRecordSize)));
    return entries;
}

} // namespace fixtures
