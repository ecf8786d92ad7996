#include "reports/chart_engine.h"
#include "ui/fonts.h"

#include <QBarCategoryAxis>
#include <QChart>
#include <QFontMetricsF>
#include <QGraphicsItem>
#include <QGraphicsLayout>
#include <QGraphicsScene>
#include <QLegend>
#include <QLinearGradient>
#include <QLocale>
#include <QPainter>
#include <QPieSeries>
#include <QPieSlice>
#include <QPrinter>
#include <QStackedBarSeries>
#include <QBarSet>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace chart {

namespace {

constexpr qreal kBarWidth = 0.56;   // share of a category taken by its bar
constexpr qreal kDepth = 11;        // depth of bars and pie in logical pixels
constexpr int kPieLayers = 10;      // discs stacked under the pie to give it thickness
constexpr qreal kPieSize = 0.66;    // share of the plot taken by the pie, room left for marks
constexpr double kPieMarkShare = 0.035; // slices narrower than this show no mark of their own
constexpr qreal kLegendPad = 6;
constexpr qreal kSwatch = 13;

QFont fontOf(const QString& family, double size, bool bold) {
    QFont f(family.isEmpty() ? fonts::kVerdana : family);
    // Pixel sizes scale with the page when the scene is rendered onto a printer.
    f.setPixelSize(std::max(1, static_cast<int>(std::lround(size * 96.0 / 72.0))));
    f.setBold(bold);
    return f;
}

QFont fontOf(const TextStyle& style) { return fontOf(style.family, style.size, style.bold); }

QFont markFont() { return fontOf(fonts::kVerdana, 8.5, true); }
QFont legendFont() { return fontOf(fonts::kVerdana, 8.5, false); }
QFont legendTitleFont() { return fontOf(fonts::kVerdana, 9, true); }
QFont axisFont() { return fontOf(fonts::kVerdana, 7.5, false); }

QColor edgeOf(const QColor& c) { return c.darker(175); }

// Legend grid and the room it needs at the foot of the chart.
struct LegendLayout {
    int columns = 0;
    int rows = 0;
    qreal entryWidth = 0;
    qreal rowHeight = 0;
    qreal titleHeight = 0;
    QSizeF size;
};

LegendLayout legendLayout(const Content& c, qreal width) {
    LegendLayout l;
    const int n = static_cast<int>(c.points.size());
    if (n == 0)
        return l;
    const QFontMetricsF fm(legendFont());
    const QFontMetricsF tm(legendTitleFont());
    qreal widest = 0;
    for (const Point& p : c.points)
        widest = std::max(widest, fm.horizontalAdvance(markText(p, c.design.unit)));
    l.entryWidth = kSwatch + 6 + widest + 14;
    const int fit = std::max(1, static_cast<int>((width - 2 * kLegendPad - 20) / l.entryWidth));
    l.rows = (n + std::min(fit, n) - 1) / std::min(fit, n);
    l.columns = (n + l.rows - 1) / l.rows; // balanced rows
    l.rowHeight = std::max<qreal>(fm.height(), kSwatch) + 4;
    l.titleHeight = c.design.legendTitle.isEmpty() ? 0 : tm.height() + 3;
    l.size = QSizeF(l.columns * l.entryWidth + 2 * kLegendPad, l.titleHeight + l.rows * l.rowHeight + 2 * kLegendPad);
    return l;
}

qreal footHeight(const Content& c) {
    return c.design.foot.text.isEmpty() ? 0 : QFontMetricsF(fontOf(c.design.foot)).height() + 4;
}

// Everything Qt Charts does not draw itself: the depth of the bars and their value marks,
// the legend with its title, and the foot line.
class Decorations : public QGraphicsObject {
public:
    Decorations(QChart* chart, Content content, QAbstractSeries* bars)
        : QGraphicsObject(chart), m_chart(chart), m_content(std::move(content)), m_bars(bars) {
        setAcceptedMouseButtons(Qt::NoButton);
        setZValue(1000);
    }

    void refresh() {
        prepareGeometryChange();
        update();
    }

    QRectF boundingRect() const override { return m_chart->rect(); }

    void paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) override {
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        if (m_bars)
            paintBars(*painter);
        paintLegend(*painter);
        paintFoot(*painter);
        painter->restore();
    }

private:
    // The far corner of a point on the front face.
    QPointF back(QPointF p) const {
        if (m_content.orthogonal)
            return p + QPointF(kDepth, -kDepth);
        const QRectF plot = m_chart->plotArea();
        const QPointF vanishing(plot.center().x(), plot.top() - plot.height() * 2);
        const QPointF towards = vanishing - p;
        const qreal length = std::hypot(towards.x(), towards.y());
        return length > 0 ? p + towards * (kDepth * 1.4 / length) : p;
    }

    void paintBars(QPainter& painter) const {
        QStringList marks;
        QList<QPointF> anchors;
        for (qsizetype i = 0; i < m_content.points.size(); ++i) {
            const Point& p = m_content.points[i];
            const qreal x = static_cast<qreal>(i);
            const QPointF topLeft = m_chart->mapToPosition(QPointF(x - kBarWidth / 2, std::max(0.0, p.value)), m_bars);
            const QPointF bottomRight = m_chart->mapToPosition(QPointF(x + kBarWidth / 2, 0), m_bars);
            const QRectF front = QRectF(topLeft, bottomRight).normalized();
            const QColor edge = edgeOf(p.colour);
            painter.setPen(QPen(edge, 1));
            qreal markTop = front.top();
            if (m_content.threeD) {
                const QPointF tl = front.topLeft(), tr = front.topRight(), br = front.bottomRight(), bl = front.bottomLeft();
                const bool rightSide = back(tr).x() >= tr.x();
                const QPolygonF top{tl, back(tl), back(tr), tr};
                const QPolygonF side = rightSide ? QPolygonF{tr, back(tr), back(br), br} : QPolygonF{tl, back(tl), back(bl), bl};
                painter.setBrush(p.colour.lighter(118));
                painter.drawPolygon(top);
                painter.setBrush(p.colour.darker(145));
                painter.drawPolygon(side);
                markTop = std::min(back(tl).y(), back(tr).y());
            }
            painter.setBrush(Qt::NoBrush);
            if (front.height() > 0.5)
                painter.drawRect(front);
            marks.append(amountText(p.value, m_content.design.unit));
            anchors.append(QPointF(front.center().x() + (m_content.threeD ? kDepth / 2 : 0), markTop - 2));
        }
        const qreal spacing = m_content.points.size() > 1 ? std::abs(m_chart->mapToPosition(QPointF(1, 0), m_bars).x() -
                                                                     m_chart->mapToPosition(QPointF(0, 0), m_bars).x())
                                                          : m_chart->plotArea().width();
        const MarkLayout layout = layoutMarks(marks, anchors, spacing, markFont());
        painter.setFont(layout.font);
        painter.setPen(QColor(0x30, 0x30, 0x30));
        for (qsizetype i = 0; i < marks.size(); ++i)
            painter.drawText(layout.boxes[i], Qt::AlignCenter, marks[i]);
    }

    void paintLegend(QPainter& painter) const {
        const QRectF area = m_chart->rect();
        const LegendLayout l = legendLayout(m_content, area.width());
        if (l.rows == 0)
            return;
        const qreal top = area.bottom() - m_chart->margins().bottom() + 4;
        const QRectF box(area.center().x() - l.size.width() / 2, top, l.size.width(), l.size.height());
        painter.setPen(QPen(QColor(0xA9, 0xA9, 0xA9), 1));
        painter.setBrush(QColor(0xF8, 0xF8, 0xFF));
        painter.drawRoundedRect(box, 4, 4);

        qreal y = box.top() + kLegendPad;
        if (l.titleHeight > 0) {
            painter.setFont(legendTitleFont());
            painter.setPen(Qt::black);
            painter.drawText(QRectF(box.left() + kLegendPad, y, box.width() - 2 * kLegendPad, l.titleHeight),
                             Qt::AlignLeft | Qt::AlignVCenter, m_content.design.legendTitle);
            y += l.titleHeight;
        }
        painter.setFont(legendFont());
        for (qsizetype i = 0; i < m_content.points.size(); ++i) {
            const Point& p = m_content.points[i];
            const int row = static_cast<int>(i) / l.columns;
            const int column = static_cast<int>(i) % l.columns;
            const QRectF cell(box.left() + kLegendPad + column * l.entryWidth, y + row * l.rowHeight, l.entryWidth,
                              l.rowHeight);
            const QRectF swatch(cell.left() + 2, cell.center().y() - kSwatch / 2, kSwatch, kSwatch);
            painter.setPen(QPen(edgeOf(p.colour), 1));
            painter.setBrush(p.colour);
            painter.drawRect(swatch);
            painter.setPen(Qt::black);
            painter.drawText(QRectF(swatch.right() + 6, cell.top(), cell.width() - kSwatch - 8, cell.height()),
                             Qt::AlignLeft | Qt::AlignVCenter, markText(p, m_content.design.unit));
        }
    }

    void paintFoot(QPainter& painter) const {
        const TextStyle& foot = m_content.design.foot;
        if (foot.text.isEmpty())
            return;
        const QRectF area = m_chart->rect();
        const qreal h = footHeight(m_content);
        painter.setFont(fontOf(foot));
        painter.setPen(foot.colour);
        painter.drawText(QRectF(area.left(), area.bottom() - h - 4, area.width(), h), Qt::AlignCenter, foot.text);
    }

    QChart* m_chart;
    Content m_content;
    QAbstractSeries* m_bars;
};

void setBottomRoom(QChart* chart, const Content& c) {
    const qreal legend = legendLayout(c, chart->size().width()).size.height();
    const qreal foot = footHeight(c);
    const int bottom = static_cast<int>(std::ceil(legend + foot + 14));
    chart->setMargins(QMargins(8, 4, 8 + static_cast<int>(kDepth), bottom));
}

QStackedBarSeries* addBars(QChart* chart, const Content& c) {
    // One bar set per point, each holding its value in its own category only, so that every
    // bar keeps its own colour while the series stays one series.
    auto* series = new QStackedBarSeries;
    series->setName(c.design.seriesName);
    series->setBarWidth(kBarWidth);
    const qsizetype n = c.points.size();
    QStringList categories;
    qreal highest = 0;
    for (qsizetype i = 0; i < n; ++i) {
        const Point& p = c.points[i];
        auto* set = new QBarSet(p.label);
        for (qsizetype k = 0; k < n; ++k)
            set->append(k == i ? std::max(0.0, p.value) : 0.0);
        QLinearGradient shade(0, 0, 1, 0);
        shade.setCoordinateMode(QGradient::ObjectMode);
        shade.setColorAt(0, c.threeD ? p.colour.lighter(112) : p.colour);
        shade.setColorAt(1, c.threeD ? p.colour.darker(118) : p.colour);
        set->setBrush(shade);
        set->setPen(Qt::NoPen); // the outline is drawn with the depth, empty bars draw nothing
        series->append(set);
        categories << p.label;
        highest = std::max(highest, p.value);
    }
    series->setLabelsVisible(false);
    chart->addSeries(series);

    auto* x = new QBarCategoryAxis;
    x->append(categories);
    auto* y = new QValueAxis;
    y->setRange(0, highest > 0 ? highest * 1.18 : 10);
    y->applyNiceNumbers();
    y->setLabelFormat(QStringLiteral("%.0f"));
    for (QAbstractAxis* axis : {static_cast<QAbstractAxis*>(x), static_cast<QAbstractAxis*>(y)}) {
        axis->setGridLineColor(c.design.gridColour);
        axis->setLinePenColor(c.design.tickColour);
        axis->setLabelsColor(c.design.tickColour.darker(160));
        axis->setLabelsFont(axisFont());
    }
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    series->attachAxis(x);
    series->attachAxis(y);
    return series;
}

void addPie(QChart* chart, const Content& c) {
    const qreal plotHeight = std::max<qreal>(100, chart->size().height() * 0.6);
    const qreal step = c.threeD ? (kDepth * 1.6 / plotHeight) / kPieLayers : 0;
    const qreal centre = 0.5 - step * kPieLayers / 2;
    if (c.threeD) {
        // Darker discs stacked below the pie: its rim.
        for (int layer = kPieLayers; layer >= 1; --layer) {
            auto* rim = new QPieSeries;
            rim->setPieSize(kPieSize);
            rim->setVerticalPosition(centre + step * layer);
            for (const Point& p : c.points) {
                QPieSlice* slice = rim->append(p.label, std::max(0.0, p.value));
                slice->setBrush(p.colour.darker(layer == kPieLayers ? 185 : 150));
                slice->setPen(Qt::NoPen);
            }
            chart->addSeries(rim);
        }
    }
    double total = 0;
    for (const Point& p : c.points)
        total += std::max(0.0, p.value);
    auto* pie = new QPieSeries;
    pie->setName(c.design.seriesName);
    pie->setPieSize(kPieSize);
    pie->setVerticalPosition(centre);
    for (const Point& p : c.points) {
        QPieSlice* slice = pie->append(p.label, std::max(0.0, p.value));
        if (c.threeD) {
            QLinearGradient shade(0, 0, 1, 1);
            shade.setCoordinateMode(QGradient::ObjectMode);
            shade.setColorAt(0, p.colour.lighter(115));
            shade.setColorAt(1, p.colour.darker(112));
            slice->setBrush(shade);
        } else {
            slice->setBrush(p.colour);
        }
        slice->setPen(QPen(edgeOf(p.colour), 1));
        slice->setLabel(markText(p, c.design.unit));
        slice->setLabelFont(markFont());
        slice->setLabelColor(QColor(0x30, 0x30, 0x30));
        slice->setLabelPosition(QPieSlice::LabelOutside);
        slice->setLabelArmLengthFactor(0.12);
        // Thin slices would pile their marks on one another; the legend names them all.
        slice->setLabelVisible(p.value > 0 && p.value >= total * kPieMarkShare);
    }
    chart->addSeries(pie);
}

} // namespace

QString amountText(double value, const QString& unit) {
    const QLocale italian(QLocale::Italian, QLocale::Italy);
    QString amount = italian.toString(value, 'f', QLocale::FloatingPointShortest);
    if (!unit.isEmpty())
        amount += QLatin1Char(' ') + unit;
    return amount;
}

MarkLayout layoutMarks(const QStringList& marks, const QList<QPointF>& anchors, qreal spacing, QFont font) {
    const auto widest = [&marks](const QFontMetricsF& fm) {
        qreal w = 0;
        for (const QString& mark : marks)
            w = std::max(w, fm.horizontalAdvance(mark) + 4);
        return w;
    };
    // Smaller, down to a size still read, until every mark fits its own bar's share.
    while (font.pixelSize() > 9 && widest(QFontMetricsF(font)) > spacing - 2)
        font.setPixelSize(font.pixelSize() - 1);

    MarkLayout layout{font, {}};
    const QFontMetricsF fm(font);
    for (qsizetype i = 0; i < marks.size(); ++i) {
        const qreal w = fm.horizontalAdvance(marks[i]) + 4;
        QRectF box(anchors[i].x() - w / 2, anchors[i].y() - fm.height(), w, fm.height());
        // Still too wide: lifted over any mark already placed that it would touch.
        for (bool moved = true; moved;) {
            moved = false;
            for (const QRectF& placed : std::as_const(layout.boxes))
                if (box.intersects(placed)) {
                    box.moveBottom(placed.top());
                    moved = true;
                }
        }
        layout.boxes.append(box);
    }
    return layout;
}

QString markText(const Point& point, const QString& unit) {
    return point.label + QStringLiteral(": ") + amountText(point.value, unit);
}

void build(QChart* chart, const Content& c) {
    chart->removeAllSeries();
    for (QAbstractAxis* axis : chart->axes()) {
        chart->removeAxis(axis);
        delete axis;
    }
    for (QGraphicsItem* item : chart->childItems()) {
        if (dynamic_cast<Decorations*>(item))
            delete item;
    }

    chart->setAnimationOptions(QChart::NoAnimation);
    // Axis numbers as the marks write them, thousands dots included.
    chart->setLocale(QLocale(QLocale::Italian, QLocale::Italy));
    chart->setLocalizeNumbers(true);
    chart->setBackgroundBrush(Qt::white);
    chart->setBackgroundRoundness(0);
    chart->layout()->setContentsMargins(0, 0, 0, 0);
    chart->setTitle(c.design.title.text);
    chart->setTitleFont(fontOf(c.design.title));
    chart->setTitleBrush(c.design.title.colour);
    chart->legend()->hide(); // drawn below with its title, see Decorations
    setBottomRoom(chart, c);

    QAbstractSeries* bars = nullptr;
    if (!c.points.isEmpty()) {
        if (c.kind == Kind::Bar)
            bars = addBars(chart, c);
        else
            addPie(chart, c);
    }
    auto* decorations = new Decorations(chart, c, bars);
    QObject::connect(chart, &QChart::plotAreaChanged, decorations, [decorations] { decorations->refresh(); });
    QObject::connect(chart, &QGraphicsWidget::geometryChanged, decorations, [chart, c, decorations] {
        setBottomRoom(chart, c);
        decorations->refresh();
    });
}

bool print(QPrinter& printer, const Content& content) {
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    const QRectF page(QPointF(0, 0), printer.pageLayout().paintRectPixels(printer.resolution()).size());
    // The page is laid out at a screen-like size and scaled onto the paper, so that the
    // printed chart keeps the proportions of the one on screen.
    const qreal width = 1100;
    const qreal height = width * page.height() / page.width();
    QGraphicsScene scene;
    auto* chart = new QChart;
    scene.addItem(chart);
    chart->setGeometry(0, 0, width, height);
    build(chart, content);
    chart->layout()->activate();
    scene.render(&painter, page, QRectF(0, 0, width, height));
    return painter.end();
}

ChartView::ChartView(QWidget* parent) : QChartView(new QChart, parent) {
    setRenderHint(QPainter::Antialiasing);
    setBackgroundBrush(Qt::white);
    setFrameShape(QFrame::NoFrame);
    rebuild();
}

void ChartView::setDesign(const Design& design) {
    m_content.design = design;
    rebuild();
}

void ChartView::setPoints(const QList<Point>& points) {
    m_content.points = points;
    rebuild();
}

void ChartView::setKind(Kind kind) {
    m_content.kind = kind;
    rebuild();
}

void ChartView::setThreeD(bool on) {
    m_content.threeD = on;
    rebuild();
}

void ChartView::setOrthogonal(bool on) {
    m_content.orthogonal = on;
    rebuild();
}

bool ChartView::print(QPrinter& printer, const QString& title) {
    Content page = m_content;
    if (!title.isEmpty())
        page.design.title.text = title;
    const bool ok = chart::print(printer, page);
    if (ok)
        emit printed();
    return ok;
}

void ChartView::rebuild() {
    build(chart(), m_content);
}

} // namespace chart
