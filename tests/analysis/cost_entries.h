#pragma once

#include "costs/cost_record.h"

#include <QList>
#include <QString>

// Year files for the analysis tests, written byte by byte from field values.
namespace cost_entries {

struct Entry {
    QString date;   // "dd/mm/yyyy"
    QString amount; // as stored
    QString plate = QStringLiteral("AB123CD");
    QString reason = QStringLiteral("Bollo");
    QString make = QStringLiteral("Fiat");
    QString model = QStringLiteral("Panda");
    QString payee = QStringLiteral("ACI");
    bool paid = true;
};

TSchedaCosto record(const Entry& e);
void write(const QString& path, const QList<Entry>& entries);

} // namespace cost_entries
