#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QList>
#include <QMap>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QRectF>
#include <QString>

#include <variant>

// A page design for the report engine: bands stacked down the page, each holding memos,
// frames and pictures. Every length is in millimetres; positions are from the band's
// top-left corner, and the page's origin is the top-left corner inside its margins.
namespace report {

// Designs given in report units (1/96 inch) convert with these.
inline constexpr double kUnitsPerMm = 96.0 / 25.4;
constexpr double unitsToMm(double units) {
    return units / kUnitsPerMm;
}

struct Memo {
    QString name;
    QRectF rect;
    QString text;
    QFont font;
    QColor color = Qt::black;
    QColor fill;    // invalid: transparent
    QColor outline; // invalid: no border
    Qt::Alignment align = Qt::AlignLeft | Qt::AlignTop;
    bool wordWrap = true;
    // [NAME] is replaced by the report's variable NAME when true; otherwise printed as typed.
    bool expressions = false;
    // Distance between line tops; 0 takes the font's own line spacing.
    double lineHeight = 0;
    // The text stands this far inside the memo's edges.
    double padX = unitsToMm(2);
    double padY = unitsToMm(1);
};

struct Frame {
    QString name;
    QRectF rect;
    QColor fill;    // invalid: no fill
    QColor outline; // invalid: no border
    double lineWidth = 0.2;
};

struct Picture {
    QString name;
    QRectF rect;
    QImage image;
    bool keepAspect = true;
    bool centre = true;
    QColor background = Qt::white; // invalid: transparent
};

using Object = std::variant<Memo, Frame, Picture>;

enum class BandKind {
    ReportTitle, // once, at the top of the first page
    PageHeader,  // at the top of every page
    Data,        // in the flow
    Footer,      // in the flow, after the data
    PageFooter,  // at the bottom of every page
};

struct Band {
    QString name;
    BandKind kind = BandKind::Data;
    double height = 0;
    // A band taller than the room left on a page continues on the next page; otherwise it
    // moves to the next page whole.
    bool allowSplit = false;
    QList<Object> objects; // drawn in this order, later ones on top
};

struct Report {
    QString name;
    QPageSize pageSize{QPageSize::A4};
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    QMarginsF margins{10, 10, 10, 10};
    QList<Band> bands; // in flow order; page headers and footers may stand anywhere
    QMap<QString, QString> variables;

    QPageLayout pageLayout() const {
        return QPageLayout(pageSize, orientation, margins, QPageLayout::Millimeter);
    }
    Band* band(const QString& name);
    Memo* memo(const QString& name);
    Picture* picture(const QString& name);
    const Memo* memo(const QString& name) const;
};

} // namespace report
