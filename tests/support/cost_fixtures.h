#pragma once

#include "costs/cost_record.h"

#include <QList>
#include <QString>

// Builds and reads cost year files byte by byte, without the screens.
namespace fixtures {

// A complete, valid entry whose texts carry `tag`: "Marca <tag>", "Modello <tag>", plate
// "TG<tag>", reason "Causale <tag>", payee "Beneficiario <tag>", dated 05/03/<year>.
TSchedaCosto costEntry(const QString& tag, const QString& year = QStringLiteral("2014"));
void writeCosts(const QString& path, const QList<TSchedaCosto>& entries);
QList<TSchedaCosto> readCosts(const QString& path);

// An entry as the summaries and statistics read it; every other field stays empty.
struct DatedCost {
    QString date;   // "dd/mm/yyyy"
    QString amount; // as stored
    QString plate = QStringLiteral("AB123CD");
    QString reason = QStringLiteral("Bollo");
    QString make = QStringLiteral("Fiat");
    QString model = QStringLiteral("Panda");
    QString payee = QStringLiteral("ACI");
    bool paid = true;
};
TSchedaCosto datedCost(const DatedCost& e);
void writeDatedCosts(const QString& path, const QList<DatedCost>& entries);

} // namespace fixtures
