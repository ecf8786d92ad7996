#include "costs/cost_printout.h"

#include "reports/print_copies.h"

#include "app/app_context.h"
#include "app/formats.h"
#include "records/text_rules.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>

namespace cost_printout {

namespace {

constexpr int kResolution = 1200;
constexpr int kBottomGap = 200; // printer pixels kept free above the page's bottom edge

QFont courier(int points, bool bold, bool underline) {
    QFont font(QStringLiteral("Courier New"), points, bold ? QFont::Bold : QFont::Normal);
    font.setUnderline(underline);
    return font;
}

} // namespace

QList<Line> lines(const TSchedaCosto& entry) {
    using C = TSchedaCosto;
    const auto v = [&entry](C::Field f) { return text::trimmed(entry[f]); };
    const QString tel = QStringLiteral("  Tel. ");
    return {
        {QStringLiteral("Data saldo:"), v(C::Giorno) + u' ' + v(C::Mese) + u' ' + v(C::Anno)},
        {QStringLiteral("Luogo pagamento:"), v(C::Luogo)},
        {QStringLiteral("Veicolo:"), v(C::Veicolo) + u' ' + v(C::Marca) + u' ' + v(C::Modello)},
        {QStringLiteral("Targa:"), v(C::Targa)},
        {QStringLiteral("Causale pagamento:"), v(C::Causale)},
        {QStringLiteral("Descrizione costi:"), v(C::Descrizione)},
        {QStringLiteral("Modalità di pagamento:"), v(C::Modalita)},
        {QStringLiteral("Estremi ricevuta:"), v(C::Estremi)},
        {QStringLiteral("Importo pagato:"), QStringLiteral("€ ") + v(C::Importo)},
        {QStringLiteral("Pagatore:"), v(C::Pagatore) + tel + v(C::RecPagatore)},
        {QStringLiteral("Beneficiario:"), v(C::Beneficiario) + tel + v(C::RecBeneficiario)},
        {QStringLiteral("Conduttore o responsabile:"), v(C::Conducente) + tel + v(C::Recapito)},
        {QStringLiteral("Pagamento saldato:"), v(C::Saldato) == C::paid() ? QStringLiteral("Sì") : QStringLiteral("No")},
        {QStringLiteral("Note:"), v(C::Note)},
    };
}

int copiesFromAnswer(const QString& answer) {
    return copiesTyped(answer);
}

bool drawDocument(QPrinter& printer, const QList<Line>& lines, const QDateTime& printedAt) {
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    painter.setPen(Qt::black);
    QFont font = courier(14, true, true);
    painter.setFont(font);

    // The title font's height gives the margin and indent unit (X) and the line unit (Y).
    const auto heightOf = [&](const QString& text) {
        return qRound(QFontMetricsF(font, &printer)
                          .boundingRect(QRectF(), Qt::TextSingleLine, text)
                          .height());
    };
    const int x = heightOf(QStringLiteral("X"));
    const int lineUnit = heightOf(QStringLiteral("Y"));
    const int right = printer.width() - x;
    const int bottom = printer.height() - kBottomGap;
    const auto area = [&](int left, int top) {
        return QRect(QPoint(left, top), QPoint(right, bottom));
    };

    int y = lineUnit;
    painter.drawText(area(x, y), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                     QStringLiteral("SCHEDA COSTI SOSTENUTI"));
    y += 2 * lineUnit;

    const QFont label = courier(12, false, false);
    const QFont value = courier(12, true, false);
    for (const Line& line : lines) {
        painter.setFont(label);
        painter.drawText(area(x, y), Qt::AlignLeft | Qt::AlignTop, line.label);
        painter.setFont(value);
        painter.drawText(area(15 * x, y), Qt::AlignLeft | Qt::AlignTop, line.value);
        y += 2 * lineUnit;
    }

    painter.setFont(courier(12, true, true));
    painter.drawText(area(x, y), Qt::AlignLeft | Qt::AlignTop,
                     QStringLiteral("Stampa eseguita in data ") + formats::date(printedAt.date()) +
                         QStringLiteral(" alle ore ") +
                         printedAt.time().toString(QStringLiteral("HH:mm:ss")));
    return painter.end();
}

void print(AppContext& ctx, QWidget* costScreen, const TSchedaCosto& entry) {
    if (!ctx.dialogs->question(costScreen, QStringLiteral("Si vuole stampare la presente scheda?")))
        return;
    const std::optional<QString> answer =
        ctx.dialogs->input(costScreen, QStringLiteral("Numero copie da stampare"),
                           QStringLiteral("Copie:"), QStringLiteral("1"));
    if (!answer)
        return;

    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QStringLiteral("Scheda costi sostenuti"));
    printer.setCopyCount(cost_printout::copiesFromAnswer(*answer));
    if (!ctx.printing->choosePrinter(printer, costScreen))
        return;
    printer.setResolution(kResolution);
    const int copies = printer.copyCount();
    // Every copy is a document of its own; the printer must not multiply them again.
    printer.setCopyCount(1);

    const QList<Line> card = lines(entry);
    const QDateTime now = ctx.clock->now();
    for (int i = 0; i < copies; ++i) {
        if (i > 0)
            ctx.printing->nextDocument(printer);
        if (!drawDocument(printer, card, now))
            return; // the printer refused the document; the rest would fail alike
    }
}

} // namespace cost_printout
