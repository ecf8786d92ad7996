#pragma once

#include "records/record_file.h"
#include "vehicles/vehicle_record.h"

#include <QString>

// Parco_Automezzi.pro in the program directory, opened (or created) for one event.
class VehicleFile : public RecordFile {
public:
    static constexpr const char* kFileName = "Parco_Automezzi.pro";
    static QString pathIn(const QString& programDir) { return programDir + QLatin1String(kFileName); }

    explicit VehicleFile(const QString& programDir)
        : RecordFile(pathIn(programDir), TSchedaVeicolo::kRecordSize) {}

    TSchedaVeicolo cardAt(qint64 position) { return TSchedaVeicolo::decode(readAt(position)); }
};
