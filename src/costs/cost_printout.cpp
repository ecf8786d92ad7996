#include "costs/cost_printout.h"

#include "reports/print_copies.h"

#include "app/app_context.h"
#include "app/formats.h"
#include "records/text_rules.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QFontMetricsF>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPrinter>

namespace cost_printout {

namespace {

constexpr int kResolution = 1200;
constexpr int kBottomGap = 200; // printer pixels kept free above the page's bottom edge

QString textOf(const QWidget& screen, const char* name) {
    const QString objectName = QString::fromLatin1(name);
    const QWidget* control = screen.findChild<QWidget*>(objectName);
    QString text;
    if (const auto* edit = qobject_cast<const QLineEdit*>(control))
        text = edit->text();
    else if (const auto* combo = qobject_cast<const QComboBox*>(control))
        text = combo->currentText();
    else if (const auto* label = qobject_cast<const QLabel*>(control))
        text = label->text();
    return text::trimmed(text);
}

QFont courier(int points, bool bold, bool underline) {
    QFont font(QStringLiteral("Courier New"), points, bold ? QFont::Bold : QFont::Normal);
    font.setUnderline(underline);
    return font;
}

} // namespace

QList<Line> lines(const QWidget& s) {
    const auto* paid = s.findChild<QAbstractButton*>(QStringLiteral("chkSaldato"));
    const QString tel = QStringLiteral("  Tel. ");
    return {
        {QStringLiteral("Data saldo:"),
         textOf(s, "txtGiorno") + u' ' + textOf(s, "txtMese") + u' ' + textOf(s, "lblAnno")},
        {QStringLiteral("Luogo pagamento:"), textOf(s, "txtLuogo")},
        {QStringLiteral("Veicolo:"),
         textOf(s, "txtVeicolo") + u' ' + textOf(s, "txtMarca") + u' ' + textOf(s, "txtModello")},
        {QStringLiteral("Targa:"), textOf(s, "txtTarga")},
        {QStringLiteral("Causale pagamento:"), textOf(s, "txtCausale")},
        {QStringLiteral("Descrizione costi:"), textOf(s, "txtDescrizione")},
        {QStringLiteral("Modalità di pagamento:"), textOf(s, "txtModalita")},
        {QStringLiteral("Estremi ricevuta:"), textOf(s, "txtEstremi")},
        {QStringLiteral("Importo pagato:"), QStringLiteral("€ ") + textOf(s, "txtImporto")},
        {QStringLiteral("Pagatore:"), textOf(s, "txtPagatore") + tel + textOf(s, "txtRecPagatore")},
        {QStringLiteral("Beneficiario:"),
         textOf(s, "txtBeneficiario") + tel + textOf(s, "txtRecBeneficiario")},
        {QStringLiteral("Conduttore o responsabile:"),
         textOf(s, "txtConducente") + tel + textOf(s, "txtRecapito")},
        {QStringLiteral("Pagamento saldato:"),
         paid && paid->isChecked() ? QStringLiteral("Sì") : QStringLiteral("No")},
        {QStringLiteral("Note:"), textOf(s, "txtNote")},
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

void print(AppContext& ctx, QWidget* costScreen) {
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

    const QList<Line> card = lines(*costScreen);
    const QDateTime now = ctx.clock->now();
    for (int i = 0; i < copies; ++i) {
        if (i > 0)
            ctx.printing->nextDocument(printer);
        if (!drawDocument(printer, card, now))
            return; // the printer refused the document; the rest would fail alike
    }
}

} // namespace cost_printout
