#include "reports/report_renderer.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QTextLayout>

#include <algorithm>
#include <map>

namespace report {

namespace {

constexpr double kEpsilon = 0.001; // mm

struct Line {
    QString text;
    double top = 0; // from the memo's top edge
};

struct MemoLayout {
    QList<Line> lines;
    double pitch = 0;
};

class Renderer {
public:
    Renderer(const Report& report, QPagedPaintDevice& device)
        : m_report(report), m_device(device), m_pxPerMmX(device.logicalDpiX() / 25.4),
          m_pxPerMmY(device.logicalDpiY() / 25.4) {
        const QRectF area = device.pageLayout().paintRect(QPageLayout::Millimeter);
        m_width = area.width();
        m_height = area.height();
    }

    QList<Page> paginate();
    void paint(QPainter& painter, const QList<Page>& pages);

private:
    const MemoLayout& layoutOf(const Memo& memo);
    double splitPoint(const Band& band, double offset, double room);
    void paintSlice(QPainter& painter, const Slice& slice);
    void paintMemo(QPainter& painter, const Memo& memo, const Slice& slice);
    void paintFrame(QPainter& painter, const Frame& frame);
    void paintPicture(QPainter& painter, const Picture& picture);

    QRectF toPx(const QRectF& mm) const {
        return QRectF(mm.x() * m_pxPerMmX, mm.y() * m_pxPerMmY, mm.width() * m_pxPerMmX,
                      mm.height() * m_pxPerMmY);
    }

    const Report& m_report;
    QPagedPaintDevice& m_device;
    double m_pxPerMmX;
    double m_pxPerMmY;
    double m_width = 0;
    double m_height = 0;
    std::map<const Memo*, MemoLayout> m_layouts;
};

// Keeps the characters that begin inside `width`, so that a cut value is also cut in the
// document's text and not merely hidden by the clip.
QString visiblePart(const QString& text, const QFontMetricsF& metrics, double width) {
    if (metrics.horizontalAdvance(text) <= width)
        return text;
    qsizetype low = 0, high = text.size();
    while (low < high) { // the longest prefix whose last character starts inside
        const qsizetype mid = (low + high + 1) / 2;
        if (metrics.horizontalAdvance(text.left(mid - 1)) < width)
            low = mid;
        else
            high = mid - 1;
    }
    return text.left(low);
}

double innerTop(const Memo& memo, const MemoLayout& layout) {
    const double block = layout.lines.size() * layout.pitch;
    const double inner = memo.rect.height() - 2 * memo.padY;
    if (block >= inner)
        return memo.padY;
    if (memo.align & Qt::AlignVCenter)
        return memo.padY + (inner - block) / 2;
    if (memo.align & Qt::AlignBottom)
        return memo.padY + inner - block;
    return memo.padY;
}

} // namespace

QString memoText(const Report& report, const Memo& memo) {
    QString text = memo.text;
    if (memo.expressions) {
        for (auto it = report.variables.cbegin(); it != report.variables.cend(); ++it)
            text.replace(u'[' + it.key() + u']', it.value());
    }
    return text;
}

const MemoLayout& Renderer::layoutOf(const Memo& memo) {
    auto found = m_layouts.find(&memo);
    if (found != m_layouts.end())
        return found->second;

    MemoLayout layout;
    const QFontMetricsF metrics(memo.font, &m_device);
    layout.pitch = memo.lineHeight > 0 ? memo.lineHeight : metrics.lineSpacing() / m_pxPerMmY;
    const double widthPx = std::max(0.0, (memo.rect.width() - 2 * memo.padX) * m_pxPerMmX);

    QString text = memoText(m_report, memo);
    text.remove(u'\r');
    if (!text.isEmpty()) {
        const QStringList paragraphs = text.split(u'\n');
        for (const QString& paragraph : paragraphs) {
            if (!memo.wordWrap || paragraph.isEmpty()) {
                layout.lines.append({paragraph, 0});
                continue;
            }
            QTextLayout wrap(paragraph, memo.font, &m_device);
            QTextOption option;
            option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
            wrap.setTextOption(option);
            wrap.beginLayout();
            for (QTextLine line = wrap.createLine(); line.isValid(); line = wrap.createLine()) {
                line.setLineWidth(widthPx);
                QString piece = paragraph.mid(line.textStart(), line.textLength());
                while (!piece.isEmpty() && piece.back().isSpace())
                    piece.chop(1);
                layout.lines.append({piece, 0});
            }
            wrap.endLayout();
        }
    }
    for (qsizetype i = 0; i < layout.lines.size(); ++i)
        layout.lines[i].top = i * layout.pitch;
    return m_layouts.emplace(&memo, std::move(layout)).first->second;
}

// How much of the band, from `offset`, goes on a page with `room` mm left: no text line is
// cut in two and no picture is split when it can move down whole.
double Renderer::splitPoint(const Band& band, double offset, double room) {
    double cut = offset + room;
    for (const Object& object : band.objects) {
        if (const auto* memo = std::get_if<Memo>(&object)) {
            if (memo->rect.top() >= cut || memo->rect.bottom() <= cut)
                continue;
            const MemoLayout& layout = layoutOf(*memo);
            const double first = memo->rect.top() + innerTop(*memo, layout);
            for (const Line& line : layout.lines) {
                const double top = first + line.top;
                if (top < cut && top + layout.pitch > cut + kEpsilon && top > offset + kEpsilon)
                    cut = top;
            }
        } else if (const auto* picture = std::get_if<Picture>(&object)) {
            if (picture->rect.top() < cut && picture->rect.bottom() > cut &&
                picture->rect.top() > offset + kEpsilon)
                cut = picture->rect.top();
        }
    }
    return cut - offset;
}

QList<Page> Renderer::paginate() {
    QList<int> headers, footers, flow;
    double headerHeight = 0, footerHeight = 0;
    for (int i = 0; i < m_report.bands.size(); ++i) {
        const Band& band = m_report.bands[i];
        if (band.kind == BandKind::PageHeader) {
            headers.append(i);
            headerHeight += band.height;
        } else if (band.kind == BandKind::PageFooter) {
            footers.append(i);
            footerHeight += band.height;
        } else {
            flow.append(i);
        }
    }
    const double bottom = m_height - footerHeight;

    QList<Page> pages;
    double y = 0;
    const auto startPage = [&] {
        pages.append(Page{});
        y = 0;
        for (int h : headers) {
            pages.last().append({h, 0, m_report.bands[h].height, y});
            y += m_report.bands[h].height;
        }
    };
    startPage();
    for (int index : flow) {
        const Band& band = m_report.bands[index];
        double offset = 0;
        for (;;) {
            const double remaining = band.height - offset;
            const double room = bottom - y;
            const bool pageUsed = y > headerHeight + kEpsilon;
            if (remaining <= room + kEpsilon) {
                pages.last().append({index, offset, remaining, y});
                y += remaining;
                break;
            }
            if (room <= kEpsilon && !pageUsed)
                break; // no page can hold any of it
            double cut = band.allowSplit ? splitPoint(band, offset, room) : 0;
            if (cut <= kEpsilon) {
                if (pageUsed) {
                    startPage();
                    continue;
                }
                cut = room; // taller than a whole page: cut where the page ends
            }
            pages.last().append({index, offset, cut, y});
            y += cut;
            offset += cut;
            if (!band.allowSplit)
                break;
            startPage();
        }
    }
    for (Page& page : pages) {
        double at = bottom;
        for (int f : footers) {
            page.append({f, 0, m_report.bands[f].height, at});
            at += m_report.bands[f].height;
        }
    }
    return pages;
}

void Renderer::paint(QPainter& painter, const QList<Page>& pages) {
    for (qsizetype p = 0; p < pages.size(); ++p) {
        if (p > 0)
            m_device.newPage();
        for (const Slice& slice : pages[p])
            paintSlice(painter, slice);
    }
}

void Renderer::paintSlice(QPainter& painter, const Slice& slice) {
    const Band& band = m_report.bands[slice.band];
    painter.save();
    painter.setClipRect(toPx(QRectF(0, slice.pageY, m_width, slice.height)));
    // From here on, the band's own millimetres: its point (0, slice.top) lands at slice.pageY.
    painter.translate(0, (slice.pageY - slice.top) * m_pxPerMmY);
    const double bottom = slice.top + slice.height;
    for (const Object& object : band.objects) {
        std::visit(
            [&](const auto& o) {
                if (o.rect.bottom() <= slice.top || o.rect.top() >= bottom)
                    return;
                using T = std::decay_t<decltype(o)>;
                if constexpr (std::is_same_v<T, Memo>)
                    paintMemo(painter, o, slice);
                else if constexpr (std::is_same_v<T, Frame>)
                    paintFrame(painter, o);
                else
                    paintPicture(painter, o);
            },
            object);
    }
    painter.restore();
}

void Renderer::paintMemo(QPainter& painter, const Memo& memo, const Slice& slice) {
    const QRectF box = toPx(memo.rect);
    if (memo.fill.isValid())
        painter.fillRect(box, memo.fill);
    if (memo.outline.isValid()) {
        painter.setPen(QPen(memo.outline, 0.2 * m_pxPerMmX));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(box);
    }
    const MemoLayout& layout = layoutOf(memo);
    if (layout.lines.isEmpty())
        return;

    painter.save();
    painter.setClipRect(box, Qt::IntersectClip);
    painter.setFont(memo.font);
    painter.setPen(memo.color);
    const QFontMetricsF metrics(memo.font, &m_device);
    const double left = memo.rect.left() + memo.padX;
    const double width = memo.rect.width() - 2 * memo.padX;
    const double first = memo.rect.top() + innerTop(memo, layout);
    const int horizontal = static_cast<int>(memo.align & Qt::AlignHorizontal_Mask);
    for (const Line& line : layout.lines) {
        const double top = first + line.top;
        // A line belongs to the slice it starts in; lines past the memo's bottom are unseen.
        if (top < slice.top - kEpsilon || top >= slice.top + slice.height - kEpsilon ||
            top >= memo.rect.bottom())
            continue;
        const QRectF target = toPx(QRectF(left, top, width, layout.pitch));
        QString text = line.text;
        if (!memo.wordWrap && (horizontal == 0 || horizontal == Qt::AlignLeft))
            text = visiblePart(text, metrics, target.width());
        painter.drawText(target, horizontal | Qt::AlignVCenter | Qt::TextSingleLine, text);
    }
    painter.restore();
}

void Renderer::paintFrame(QPainter& painter, const Frame& frame) {
    const QRectF box = toPx(frame.rect);
    if (frame.fill.isValid())
        painter.fillRect(box, frame.fill);
    if (frame.outline.isValid()) {
        const double w = frame.lineWidth * m_pxPerMmX;
        painter.setPen(QPen(frame.outline, w));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(box.adjusted(w / 2, w / 2, -w / 2, -w / 2));
    }
}

void Renderer::paintPicture(QPainter& painter, const Picture& picture) {
    const QRectF box = toPx(picture.rect);
    if (picture.background.isValid())
        painter.fillRect(box, picture.background);
    if (picture.image.isNull() || box.isEmpty())
        return;
    QSizeF size = picture.image.size();
    if (picture.keepAspect)
        size.scale(box.size(), Qt::KeepAspectRatio);
    else
        size = box.size();
    QRectF target(box.topLeft(), size);
    if (picture.centre)
        target.moveCenter(box.center());
    // A photo far larger than its box is reduced first, so the document does not carry
    // (or fail on) millions of unseen pixels; 300 dots per inch is plenty on paper.
    const double limit = 300.0 / 25.4 / m_pxPerMmX;
    const QSize wanted = (target.size() * std::min(1.0, limit)).toSize().expandedTo(QSize(1, 1));
    QImage image = picture.image;
    if (image.width() > wanted.width() * 2 || image.height() > wanted.height() * 2)
        image = image.scaled(wanted, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    painter.save();
    painter.setClipRect(box, Qt::IntersectClip);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, image);
    painter.restore();
}

QList<Page> render(const Report& report, QPagedPaintDevice& device) {
    const QPageLayout layout = report.pageLayout();
    if (!device.setPageLayout(layout)) {
        device.setPageSize(layout.pageSize());
        device.setPageOrientation(layout.orientation());
        device.setPageMargins(layout.margins(), QPageLayout::Millimeter);
    }
    QPainter painter;
    if (!painter.begin(&device))
        return {};
    Renderer renderer(report, device);
    const QList<Page> pages = renderer.paginate();
    renderer.paint(painter, pages);
    painter.end();
    return pages;
}

} // namespace report
