#include "deadlines/deadline_rule.h"

#include "app/formats.h"
#include "lists/field_text.h"
#include "lists/fixed_width.h"
#include "records/parallel_scan.h"
#include "records/text_rules.h"

namespace deadlines {
namespace {

using F = TSchedaVeicolo;

const ListSetup kSetups[] = {
    {"Revisione", "btnRevisione", "REVISIONE", "frmScadRevisione", " Veicoli con revisione in scadenza o scaduta",
     F::ScadRevisione, "Il presente riepilogo visualizza le revisioni scadute o in scadenza nei prossimi 7 giorni",
     "Veicoli con revisione in scadenza o scadute"},
    {"Tagliando", "btnTagliando", "TAGLIANDO", "frmScadTagliando", " Veicoli con tagliando in scadenza o scaduto",
     F::ScadTagliando, "Il presente riepilogo visualizza i tagliandi scaduti o in scadenza nei prossimi 7 giorni",
     "Veicoli con tagliando in scadenza o scaduto"},
    {"Assicurazione", "btnAssicurazione", "ASSICURAZIONE", "frmScadAssicurazione", " Veicoli con assicurazione in scadenza o scaduta",
     F::ScadAssicurazione,
     "Il presente riepilogo visualizza le assicurazioni scadute o in scadenza nei prossimi 7 giorni",
     "Veicoli con assicurazione in scadenza o scadute"},
    {"Bollo", "btnBollo", "BOLLO", "frmScadBollo", " Veicoli con bollo in scadenza o scaduto", F::ScadBollo,
     "Il presente riepilogo visualizza i bolli scaduti o in scadenza nei prossimi 7 giorni",
     "Veicoli con bollo in scadenza o scaduto"},
};

// Rows are made for many records: their fields are read without allocating.
FieldText field(QByteArrayView record, F::Field f) {
    return FieldText(record, F::layout(), f);
}

// A blank field and an unreadable one both give an invalid date; `blank` tells them apart.
QDate readDeadline(QStringView stored, bool& blank) {
    const QStringView value = text::trimmedView(stored);
    blank = value.isEmpty();
    return blank ? QDate() : formats::parseDate(value);
}

} // namespace

const ListSetup& setup(Kind kind) {
    return kSetups[static_cast<int>(kind)];
}

Due check(const QString& deadline, const QDate& today) {
    bool blank = false;
    const QDate date = readDeadline(deadline, blank);
    if (blank)
        return Due::No;
    if (!date.isValid())
        return Due::Unreadable;
    return isDue(date, today) ? Due::Yes : Due::No;
}

bool isDue(const QDate& deadline, const QDate& today) {
    return today >= deadline.addDays(-kDaysAhead);
}

void scanDeadlines(RecordFile& file, std::span<const Kind> kinds, const std::function<void(const Deadline&)>& visit) {
    file.scan([&](qint64 position, QByteArrayView record) {
        for (Kind kind : kinds) {
            bool blank = false;
            const QDate date = readDeadline(field(record, setup(kind).field).view(), blank); // no allocation
            if (date.isValid())
                visit(Deadline{position, record, kind, date});
        }
        return true;
    });
}

QString cardText(QByteArrayView record, F::Field f) {
    return text::trimmedView(field(record, f).view()).toString();
}

QString makeAndModel(QByteArrayView record) {
    const FieldText make = field(record, F::Marca);
    const FieldText model = field(record, F::Modello);
    const QStringView a = text::trimmedView(make.view());
    const QStringView b = text::trimmedView(model.view());
    QString joined;
    joined.reserve(a.size() + b.size() + 1);
    joined.append(a);
    if (!a.isEmpty() && !b.isEmpty())
        joined.append(u' ');
    joined.append(b);
    return joined;
}

QString row(QByteArrayView record, F::Field deadline) {
    fixed_width::Row r;
    r.column(field(record, F::Tipo).view(), 20)
        .text(u"  ")
        .pair(field(record, F::Marca).view(), field(record, F::Modello).view(), 30)
        .text(u"  Targa: ")
        .column(field(record, F::Targa).view(), 12)
        .text(u"  Scad. ")
        .column(field(record, deadline).view(), 10)
        .text(u"  Km: ")
        .column(field(record, F::Chilometri).view(), 10)
        .text(u"  Titolare: ")
        .last(field(record, F::Proprietario).view());
    return r.take();
}

void collectDue(RecordFile& file, Kind kind, const QDate& today, std::vector<QString>& rows, int workers) {
    const F::Field deadline = setup(kind).field;
    parallel_scan::collectInOrder(file, rows, [&](std::vector<QString>& part, int, QByteArrayView record) {
        bool blank = false;
        const QDate date = readDeadline(field(record, deadline).view(), blank);
        if (date.isValid() && isDue(date, today))
            part.push_back(row(record, deadline));
    }, workers);
}

} // namespace deadlines
