#include "analysis/cost_summary.h"

#include "app/formats.h"
#include "costs/cost_record.h"
#include "costs/cost_rules.h"
#include "lists/field_text.h"
#include "lists/fixed_width.h"
#include "records/parallel_scan.h"
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

namespace {

QString buildLine(QStringView make, QStringView model, QStringView plate, QStringView date, QStringView reason,
                  QStringView payee, QStringView amount) {
    fixed_width::Row row(200);
    row.pair(make, model, 28)
        .text(u"  Targa: ")
        .column(plate, 10)
        .text(u"  Data: ")
        .column(date, 10)
        .text(u"  ")
        .column(reason, 32)
        .text(u"  A: ")
        .column(payee, 28)
        .text(u"  Costo: € ")
        .last(amount);
    return row.take();
}

} // namespace

QString lineText(const Line& l) {
    return buildLine(l.make, l.model, l.plate, l.date, l.reason, l.payee, l.amount);
}

void read(RecordFile& file, const Request& request, Result& result, int workers) {
    using C = TSchedaCosto;
    const RecordLayout& layout = C::layout();
    const Prepared filters(request);
    const bool filtered = activeFilters(request) > 0;
    // Fields are read into buffers of their own: a whole year can be listed.
    const auto field = [&layout](QByteArrayView record, C::Field f) { return FieldText(record, layout, f); };
    // Lines are made on every core; the total is added up in file order, as one reader would.
    struct Part {
        std::vector<QString> lines;
        std::vector<double> amounts;
    };
    const auto visit = [&](Part& part, int, QByteArrayView record) {
        if (filtered &&
            !filters.matches(layout.decodeField(record, C::Targa), layout.decodeField(record, C::Causale)))
            return;
        const FieldText date = field(record, C::Data);
        const QDate day = formats::parseDate(fixed_width::trimmed(date.view()).toString());
        if (!day.isValid() || day < request.from || day > request.to)
            return;
        const FieldText amountText = field(record, C::Importo);
        const std::optional<double> amount = cost_rules::readAmount(amountText.view().toString());
        if (!amount)
            return;
        part.lines.push_back(buildLine(field(record, C::Marca).view(), field(record, C::Modello).view(),
                                       field(record, C::Targa).view(), date.view(), field(record, C::Causale).view(),
                                       field(record, C::Beneficiario).view(), amountText.view()));
        part.amounts.push_back(*amount);
    };
    const auto take = [&](Part& part) {
        for (std::size_t i = 0; i < part.lines.size(); ++i) {
            result.lines.push_back(std::move(part.lines[i]));
            result.total += part.amounts[i];
            ++result.listed;
        }
    };
    parallel_scan::scanInOrder<Part>(file, visit, take, workers);
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
