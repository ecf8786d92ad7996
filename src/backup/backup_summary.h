#pragma once

#include "backup/backup_folder.h"

#include <QList>
#include <QPair>
#include <QString>

namespace backup {

// What one backup holds, read from the archive's directory (nothing is extracted).
struct Summary {
    QString path;
    QDateTime takenAt;
    qint64 bytes = 0;
    bool readable = false;
    qint64 cards = 0;
    QList<QPair<QString, qint64>> entriesByYear; // year, cost entries; in year order
    int photos = 0;
    int attachments = 0;
};

Summary summarise(const BackupFile& file);
// Every backup of the data folder, newest first.
QList<Summary> summariseAll(const QString& programDir);

// "2024: 120 · 2025: 87", as the list shows it.
QString yearsText(const Summary& summary);
// "12,4 MB"
QString sizeText(qint64 bytes);

} // namespace backup
