#include "backup/backup_summary.h"

#include "backup/zip_archive.h"
#include "costs/cost_record.h"
#include "vehicles/attachment_files.h"
#include "vehicles/vehicle_file.h"
#include "vehicles/vehicle_photo.h"

#include <QFileInfo>
#include <QLocale>

#include <algorithm>

namespace backup {

Summary summarise(const BackupFile& file) {
    Summary s;
    s.path = file.path;
    s.takenAt = file.takenAt;
    s.bytes = QFileInfo(file.path).size();
    const ArchiveReader archive(file.path);
    if (!archive.isOpen())
        return s;
    s.readable = true;
    const QString photos = QString::fromLatin1(vehicle_photo::kFolder) + u'/';
    const QString attachments = QString::fromLatin1(attachment_files::kFolder) + u'/';
    for (const Entry& entry : archive.entries()) {
        if (entry.name == QLatin1String(VehicleFile::kFileName))
            s.cards = entry.size / TSchedaVeicolo::kRecordSize;
        else if (const QString year = yearOf(entry.name); !year.isEmpty())
            s.entriesByYear.append({year, entry.size / TSchedaCosto::kRecordSize});
        else if (entry.name.startsWith(photos))
            ++s.photos;
        else if (entry.name.startsWith(attachments))
            ++s.attachments;
    }
    std::sort(s.entriesByYear.begin(), s.entriesByYear.end());
    return s;
}

QList<Summary> summariseAll(const QString& programDir) {
    QList<Summary> all;
    for (const BackupFile& file : listIn(programDir))
        all.append(summarise(file));
    return all;
}

QString yearsText(const Summary& summary) {
    QStringList parts;
    for (const auto& [year, count] : summary.entriesByYear)
        parts.append(QStringLiteral("%1: %2").arg(year).arg(count));
    return parts.isEmpty() ? QStringLiteral("nessun anno") : parts.join(QStringLiteral("  ·  "));
}

QString sizeText(qint64 bytes) {
    const QLocale italian(QLocale::Italian, QLocale::Italy);
    if (bytes < 1024 * 1024)
        return QStringLiteral("%1 KB").arg(italian.toString(std::max<qint64>(1, (bytes + 1023) / 1024)));
    return QStringLiteral("%1 MB").arg(italian.toString(double(bytes) / (1024.0 * 1024.0), 'f', 1));
}

} // namespace backup
