#include "alerts/due_items.h"

#include <algorithm>

namespace alerts {

std::vector<DueItem> collectDue(RecordFile& file, const QDate& today) {
    std::vector<DueItem> items;
    deadlines::scanDeadlines(file, deadlines::kKinds, [&](const deadlines::Deadline& d) {
        if (!deadlines::isDue(d.date, today))
            return;
        items.push_back({d.position, d.kind, d.date, deadlines::cardText(d.record, TSchedaVeicolo::Targa),
                         deadlines::makeAndModel(d.record)});
    });
    std::stable_sort(items.begin(), items.end(),
                     [](const DueItem& a, const DueItem& b) { return a.date < b.date; });
    return items;
}

QString whenDue(const QDate& date, const QDate& today) {
    const qint64 days = today.daysTo(date);
    if (days == 0)
        return QStringLiteral("oggi");
    const qint64 n = days < 0 ? -days : days;
    const QString count = QString::number(n) + (n == 1 ? QStringLiteral(" giorno") : QStringLiteral(" giorni"));
    return days < 0 ? QStringLiteral("scaduta da ") + count : QStringLiteral("tra ") + count;
}

} // namespace alerts
