#pragma once

#include "costs/cost_record.h"
#include "records/record_file.h"

#include <QString>

// One year of the cost register: the four-digit year + ".eur" in the program directory,
// opened (or created empty) for one event.
class CostFile : public RecordFile {
public:
    static QString pathFor(const QString& programDir, const QString& year) {
        return programDir + year + QStringLiteral(".eur");
    }

    // `path` is the full path of the year file, as the cost screen keeps it in lblFile.
    explicit CostFile(const QString& path) : RecordFile(path, TSchedaCosto::kRecordSize) {}
    // For tests: any device.
    explicit CostFile(std::unique_ptr<QIODevice> device)
        : RecordFile(std::move(device), TSchedaCosto::kRecordSize) {}

    TSchedaCosto entryAt(qint64 position) { return TSchedaCosto::decode(readAt(position)); }
    void updateAt(qint64 position, const TSchedaCosto& entry) { RecordFile::updateAt(position, entry.encode()); }
    qint64 append(const TSchedaCosto& entry) { return RecordFile::append(entry.encode()); }
    using RecordFile::append;
    using RecordFile::updateAt;
};
