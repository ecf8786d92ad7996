#include "calendar/deadline_calendar.h"

#include "records/text_rules.h"

#include <QStringList>

namespace calendar {
namespace {

using F = TSchedaVeicolo;

QString fieldOf(QByteArrayView record, F::Field f) {
    return deadlines::cardText(record, f);
}

// "Revisione AB123CD (Fiat Ducato)"
QString summary(QByteArrayView record, deadlines::Kind kind) {
    QString s = QString::fromLatin1(deadlines::setup(kind).name);
    const QString plate = fieldOf(record, F::Targa);
    if (!plate.isEmpty())
        s += u' ' + plate;
    const QString vehicle = deadlines::makeAndModel(record);
    if (!vehicle.isEmpty())
        s += QStringLiteral(" (") + vehicle + u')';
    return s;
}

QString description(QByteArrayView record) {
    QStringList lines;
    const QString driver = fieldOf(record, F::Autista);
    const QString phone = fieldOf(record, F::TelAutista);
    if (!driver.isEmpty())
        lines.append(QStringLiteral("Autista: ") + driver);
    if (!phone.isEmpty())
        lines.append(QStringLiteral("Telefono: ") + phone);
    return lines.join(u'\n');
}

} // namespace

QString uid(int position, deadlines::Kind kind) {
    return QStringLiteral("scheda-%1-%2@vestrano.it")
        .arg(position)
        .arg(text::lowerAZ(QString::fromLatin1(deadlines::setup(kind).name)));
}

std::vector<ics::Event> deadlineEvents(RecordFile& vehicles, const QDate& today) {
    std::vector<ics::Event> events;
    deadlines::scanDeadlines(vehicles, deadlines::kKinds, [&](const deadlines::Deadline& d) {
        if (d.date >= today)
            events.push_back({uid(d.position, d.kind), d.date, summary(d.record, d.kind), description(d.record)});
    });
    return events;
}

QByteArray deadlineCalendar(RecordFile& vehicles, const QDateTime& now, int* events) {
    const std::vector<ics::Event> list = deadlineEvents(vehicles, now.date());
    if (events)
        *events = static_cast<int>(list.size());
    return ics::calendar(list, now);
}

} // namespace calendar
