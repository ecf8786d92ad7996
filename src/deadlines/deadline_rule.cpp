#include "deadlines/deadline_rule.h"

#include "app/formats.h"
#include "lists/field_text.h"
#include "lists/fixed_width.h"
#include "records/record_file.h"
#include "records/text_rules.h"

namespace deadlines {
namespace {

using F = TSchedaVeicolo;

const ListSetup kSetups[] = {
    {"btnRevisione", "REVISIONE", "frmScadRevisione", " Veicoli con revisione in scadenza o scaduta",
     F::ScadRevisione, "Il presente riepilogo visualizza le revisioni scadute o in scadenza nei prossimi 7 giorni",
     "Veicoli con revisione in scadenza o scadute"},
    {"btnTagliando", "TAGLIANDO", "frmScadTagliando", " Veicoli con tagliando in scadenza o scaduto",
     F::ScadTagliando, "Il presente riepilogo visualizza i tagliandi scaduti o in scadenza nei prossimi 7 giorni",
     "Veicoli con tagliando in scadenza o scaduto"},
    {"btnAssicurazione", "ASSICURAZIONE", "frmScadAssicurazione", " Veicoli con assicurazione in scadenza o scaduta",
     F::ScadAssicurazione,
     "Il presente riepilogo visualizza le assicurazioni scadute o in scadenza nei prossimi 7 giorni",
     "Veicoli con assicurazione in scadenza o scadute"},
    {"btnBollo", "BOLLO", "frmScadBollo", " Veicoli con bollo in scadenza o scaduto", F::ScadBollo,
     "Il presente riepilogo visualizza i bolli scaduti o in scadenza nei prossimi 7 giorni",
     "Veicoli con bollo in scadenza o scaduto"},
};

// Rows are made for many records: their fields are read without allocating.
FieldText field(QByteArrayView record, F::Field f) {
    return FieldText(record, F::layout(), f);
}

} // namespace

const ListSetup& setup(Kind kind) {
    return kSetups[static_cast<int>(kind)];
}

Due check(const QString& deadline, const QDate& today) {
    const QString value = text::trimmed(deadline);
    if (value.isEmpty())
        return Due::No;
    const QDate date = formats::parseDate(value);
    if (!date.isValid())
        return Due::Unreadable;
    return today < date.addDays(-kDaysAhead) ? Due::No : Due::Yes;
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

void collectDue(RecordFile& file, F::Field deadline, const QDate& today, std::vector<QString>& rows) {
    file.scan([&](qint64, QByteArrayView record) {
        if (check(field(record, deadline).view().toString(), today) == Due::Yes)
            rows.push_back(row(record, deadline));
        return true;
    });
}

} // namespace deadlines
