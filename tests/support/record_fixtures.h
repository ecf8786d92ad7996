#pragma once

#include "vehicles/vehicle_record.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <initializer_list>
#include <utility>

// Builds and reads record files byte by byte, without the screens.
namespace fixtures {

void writeFile(const QString& path, const QByteArray& bytes);
QByteArray readFile(const QString& path);

TSchedaVeicolo vehicle(std::initializer_list<std::pair<TSchedaVeicolo::Field, QString>> values);
// A card with the four required fields filled from one tag: "Auto <tag>", "Marca <tag>" ...
TSchedaVeicolo vehicle(const QString& tag);
void writeVehicles(const QString& programDir, const QList<TSchedaVeicolo>& cards);
QList<TSchedaVeicolo> readVehicles(const QString& programDir);

} // namespace fixtures
