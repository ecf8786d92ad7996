#include "support/record_fixtures.h"

#include "vehicles/vehicle_file.h"

#include <QFile>

namespace fixtures {

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size())
        qFatal("cannot write fixture %s", qPrintable(path));
}

QByteArray readFile(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.readAll();
}

TSchedaVeicolo vehicle(std::initializer_list<std::pair<TSchedaVeicolo::Field, QString>> values) {
    TSchedaVeicolo card;
    for (const auto& [field, value] : values)
        card[field] = value;
    return card;
}

TSchedaVeicolo vehicle(const QString& tag) {
    return vehicle({{TSchedaVeicolo::Tipo, QStringLiteral("Auto ") + tag},
                    {TSchedaVeicolo::Marca, QStringLiteral("Marca ") + tag},
                    {TSchedaVeicolo::Modello, QStringLiteral("Modello ") + tag},
                    {TSchedaVeicolo::Targa, QStringLiteral("TG") + tag}});
}

void writeVehicles(const QString& programDir, const QList<TSchedaVeicolo>& cards) {
    QByteArray bytes;
    for (const TSchedaVeicolo& c : cards)
        bytes += c.encode();
    writeFile(VehicleFile::pathIn(programDir), bytes);
}

QList<TSchedaVeicolo> readVehicles(const QString& programDir) {
    const QByteArray bytes = readFile(VehicleFile::pathIn(programDir));
    QList<TSchedaVeicolo> cards;
    for (qsizetype at = 0; at + TSchedaVeicolo::kRecordSize <= bytes.size(); at += TSchedaVeicolo::kRecordSize)
        cards.append(TSchedaVeicolo::decode(QByteArrayView(bytes).sliced(at, TSchedaVeicolo::kRecordSize)));
    return cards;
}

} // namespace fixtures
