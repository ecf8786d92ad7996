#include "analysis/cost_summary.h"

#include "app/formats.h"
#include "costs/cost_record.h"
#include "costs/cost_rules.h"
#include "lists/fixed_width.h"
#include "records/record_file.h"
#include "records/text_rules.h"

namespace cost_summary {

int activeFilters(const Request& request) {
    return (text::isBlank(request.plate) ? 0 : 1) + (text::isBlank(request.reason) ? 0 : 1);
}

namespace {

// Filters are prepared once per summary, not once per entry.
struct Prepared {
    explicit Prepared(const Request& r)
        : plate(text::isBlank(r.plate) ? QString() : text::lowerAZ(r.plate)),
          reason(text::isBlank(r.reason) ? QString() : text::lowerAZ(r.reason)) {}
    bool matches(const QString& entryPlate, const QString& entryReason) const {
        if (!plate.isEmpty() && !text::lowerAZ(entryPlate).contains(plate))
            return false;
        return reason.isEmpty() || text::lowerAZ(entryReason).contains(reason);
    }
    QString plate;
    QString reason;
};

} // namespace

bool matches(const Request& request, const QString& plate, const QString& reason) {
    return Prepared(request).matches(plate, reason);
}

QString lineText(const Line& l) {
    fixed_width::Row row(200);
    row.pair(l.make, l.model, 28)
        .text(u"  Targa: ")
        .column(l.plate, 10)
        .text(u"  Data: ")
        .column(l.date, 10)
        .text(u"  ")
        .column(l.reason, 32)
        .text(u"  A: ")
        .column(l.payee, 28)
        .text(u"  Costo: € ")
        .last(l.amount);
    return row.take();
}

void read(RecordFile& file, const Request& request, Result& result) {
    using C = TSchedaCosto;
    const RecordLayout& layout = C::layout();
    const Prepared filters(request);
    const bool filtered = activeFilters(request) > 0;
    file.scan([&](int, QByteArrayView record) {
        if (filtered &&
            !filters.matches(layout.decodeField(record, C::Targa), layout.decodeField(record, C::Causale)))
            return true;
        Line line;
        line.date = layout.decodeField(record, C::Data);
        const QDate date = formats::parseDate(line.date);
        if (!date.isValid() || date < request.from || date > request.to)
            return true;
        line.amount = layout.decodeField(record, C::Importo);
        const std::optional<double> amount = cost_rules::readAmount(line.amount);
        if (!amount)
            return true;
        line.make = layout.decodeField(record, C::Marca);
        line.model = layout.decodeField(record, C::Modello);
        line.plate = layout.decodeField(record, C::Targa);
        line.reason = layout.decodeField(record, C::Causale);
        line.payee = layout.decodeField(record, C::Beneficiario);
        result.lines.push_back(lineText(line));
        result.total += *amount;
        ++result.listed;
        return true;
    });
}

QString runningText(double total) {
    return cost_rules::shortestText(total);
}

QString finalTotal(const QString& label) {
    if (text::isBlank(label))
        return QStringLiteral("0,00");
    QString t = cost_rules::shortestText(cost_rules::roundHalfUp(cost_rules::readAmount(label).value_or(0), 4));
    if (!t.contains(u','))
        t += QStringLiteral(",00");
    t = text::trimmed(t);
    if (t == QLatin1String(","))
        return QStringLiteral("0,00");
    if (t.startsWith(u','))
        t.prepend(u'0');
    if (t.endsWith(u','))
        t += QStringLiteral("00");
    if (t.size() >= 2 && t[t.size() - 2] == u',' && t.back().isDigit())
        t += u'0';
    return t;
}

} // namespace cost_summary
