#include "lists/list_printout.h"
#include "ui/fonts.h"

#include "reports/report_output.h"

namespace {

const QColor kSlateGrey(0x70, 0x80, 0x90);
constexpr double kLineUnits = 12.822; // one list row, in report units

QFont font(const QString& family, int points, bool bold) {
    return QFont(family, points, bold ? QFont::Bold : QFont::Normal);
}

} // namespace

report::Report listReport(const QString& title, const QStringList& lines) {
    using namespace report;
    Report r;
    r.name = QStringLiteral("frxReport");
    r.orientation = QPageLayout::Landscape;
    r.margins = QMarginsF(10, 10, 10, 10);

    Memo heading;
    heading.name = QStringLiteral("txtTitolo");
    heading.rect = QRectF(2, 1, 273, 5);
    heading.text = title;
    heading.font = font(fonts::kVerdana, 9, true);
    heading.color = Qt::white;
    heading.fill = kSlateGrey;
    heading.align = Qt::AlignCenter;
    heading.wordWrap = false;
    r.bands.append({QStringLiteral("ReportTitle"), BandKind::ReportTitle, 8, false, {heading}});

    // One memo holds every row; it may run over many pages, a whole row on each side of a break.
    Memo rows;
    rows.name = QStringLiteral("txtRiepilogo");
    rows.text = lines.join(u'\n');
    rows.font = font(QStringLiteral("Courier New"), 8, false);
    rows.wordWrap = false;
    rows.lineHeight = unitsToMm(kLineUnits);
    rows.padY = 0;
    const double height = unitsToMm(lines.size() * kLineUnits);
    rows.rect = QRectF(3, 0, 273, height);
    r.bands.append(
        {QStringLiteral("MasterData"), BandKind::Data, height + unitsToMm(10), true, {rows}});

    Memo footer;
    footer.name = QStringLiteral("txtPagina");
    footer.rect = QRectF(3, 2, 272, 5);
    footer.text = QStringLiteral("Stampa eseguita in data [DATE]");
    footer.expressions = true;
    footer.font = font(fonts::kVerdana, 8, true);
    footer.color = Qt::white;
    footer.fill = kSlateGrey;
    footer.align = Qt::AlignCenter;
    footer.wordWrap = false;
    r.bands.append({QStringLiteral("Footer"), BandKind::Footer, 8, false, {footer}});
    return r;
}

void printList(AppContext& ctx, QWidget* parent, const QString& title, const QStringList& rows,
               const QStringList& extraLines) {
    // The list screens show nothing when printing fails: the printer's own queue reports it.
    report::print(ctx, parent, listReport(title, rows + extraLines));
}
