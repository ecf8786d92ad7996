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

} // namespace fixtures
