#include "alerts/due_items.h"

#include "records/record_layout.h"

#include <algorithm>

namespace alerts {
namespace {

using F = TSchedaVeicolo;

// From the start of the record up to the end of the plate: type, use, make, model, plate.
qsizetype leadingSize() {
    static const qsizetype size = F::layout().field(F::Targa).offset + F::layout().field(F::Targa).capacity + 1;
    return size;
}

QByteArrayView leadingBytes(const DueList& list, const DueItem& item) {
    return QByteArrayView(list.cards).sliced(item.card, leadingSize());
}

} // namespace

QString DueList::plate(const DueItem& item) const {
    return deadlines::cardText(leadingBytes(*this, item), F::Targa);
}

QString DueList::makeAndModel(const DueItem& item) const {
    return deadlines::makeAndModel(leadingBytes(*this, item));
}

DueList collectDue(RecordFile& file, const QDate& today) {
    DueList list;
    qint64 lastCard = 0;
    deadlines::scanDeadlines(file, deadlines::kKinds, [&](const deadlines::Deadline& d) {
        if (!deadlines::isDue(d.date, today))
            return;
        if (d.position != lastCard) {
            lastCard = d.position;
            list.cards.append(d.record.first(leadingSize()));
        }
        list.items.push_back({d.position, d.kind, d.date, list.cards.size() - leadingSize()});
    });
    std::stable_sort(list.items.begin(), list.items.end(),
                     [](const DueItem& a, const DueItem& b) { return a.date < b.date; });
    return list;
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
