#pragma once

#include <QChartView>
#include <QColor>
#include <QFont>
#include <QList>
#include <QRectF>
#include <QString>

class QChart;
class QPrinter;

// A thin layer over Qt Charts: the program hands it a design, a row of labelled, coloured
// points and the kind of view; it draws them on screen and on paper alike.
namespace chart {

struct Point {
    double value = 0;
    QString label;
    QColor colour;
    bool operator==(const Point&) const = default;
};

enum class Kind { Bar, Pie };

struct TextStyle {
    QString text;
    QString family;
    double size = 10; // points at 96 dpi, in the chart's own logical pixels
    bool bold = false;
    QColor colour;
};

struct Design {
    TextStyle title;
    TextStyle foot;
    QString legendTitle;
    QColor gridColour{Qt::lightGray};
    QColor tickColour{Qt::darkGray};
    QString seriesName;
    QString unit; // written after each amount in the marks and the legend
};

struct Content {
    Design design;
    QList<Point> points;
    Kind kind = Kind::Bar;
    bool threeD = true;
    // Parallel depth edges; otherwise they lean towards a vanishing point above the plot.
    bool orthogonal = true;
};

// An amount as the marks show it: shortest form, thousands dots, decimal comma, then the unit.
QString amountText(double value, const QString& unit);

// Where the value marks of the bars go: centred above their anchors (bar tops), in `font` or
// smaller so that each fits its bar's share of the width (`spacing`), and, when even the
// smallest size does not fit, lifted over a neighbour's mark rather than written across it.
struct MarkLayout {
    QFont font;
    QList<QRectF> boxes;
};
MarkLayout layoutMarks(const QStringList& marks, const QList<QPointF>& anchors, qreal spacing, QFont font);
// What a point shows in its mark and in the legend: its label and its amount.
QString markText(const Point& point, const QString& unit);

// Fills `chart` (already sized) with the series, axes and decorations of `content`.
void build(QChart* chart, const Content& content);

// Draws one chart page on `printer`, which is already set up (orientation, copies).
// Returns false when the printer cannot be started.
bool print(QPrinter& printer, const Content& content);

// The chart on screen (objectName given by the screen).
class ChartView : public QChartView {
    Q_OBJECT
public:
    explicit ChartView(QWidget* parent = nullptr);

    void setDesign(const Design& design);
    void setPoints(const QList<Point>& points);
    void clear() { setPoints({}); }
    void setKind(Kind kind);
    void setThreeD(bool on);
    void setOrthogonal(bool on);

    const Content& content() const { return m_content; }
    const QList<Point>& points() const { return m_content.points; }
    Kind kind() const { return m_content.kind; }

    // One print command: the current chart as one page, headed by `title` when one is given
    // (a page on its own must say what it shows), otherwise by the chart's own title.
    bool print(QPrinter& printer, const QString& title = {});

signals:
    void printed();

private:
    void rebuild();

    Content m_content;
};

} // namespace chart
