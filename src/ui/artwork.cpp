#include "ui/artwork.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>

namespace art {
namespace {

QPixmap blank(QSize size) {
    QPixmap pm(size);
    pm.fill(Qt::transparent);
    return pm;
}

QFont sans(int pixelSize, bool bold) {
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(std::max(6, pixelSize));
    f.setBold(bold);
    return f;
}

void drawCar(QPainter& p, const QRectF& r, QColor body, QColor line) {
    const qreal w = r.width(), h = r.height();
    QPainterPath path;
    path.moveTo(r.left() + 0.04 * w, r.top() + 0.72 * h);
    path.lineTo(r.left() + 0.06 * w, r.top() + 0.50 * h);
    path.lineTo(r.left() + 0.24 * w, r.top() + 0.44 * h);
    path.lineTo(r.left() + 0.36 * w, r.top() + 0.22 * h);
    path.lineTo(r.left() + 0.68 * w, r.top() + 0.22 * h);
    path.lineTo(r.left() + 0.82 * w, r.top() + 0.44 * h);
    path.lineTo(r.left() + 0.95 * w, r.top() + 0.50 * h);
    path.lineTo(r.left() + 0.96 * w, r.top() + 0.72 * h);
    path.closeSubpath();
    p.setPen(QPen(line, std::max<qreal>(1.5, w / 120)));
    p.setBrush(body);
    p.drawPath(path);
    // windows
    p.setBrush(QColor(0xDD, 0xEE, 0xFF));
    QPainterPath win;
    win.moveTo(r.left() + 0.29 * w, r.top() + 0.44 * h);
    win.lineTo(r.left() + 0.38 * w, r.top() + 0.27 * h);
    win.lineTo(r.left() + 0.51 * w, r.top() + 0.27 * h);
    win.lineTo(r.left() + 0.51 * w, r.top() + 0.44 * h);
    win.closeSubpath();
    win.moveTo(r.left() + 0.54 * w, r.top() + 0.44 * h);
    win.lineTo(r.left() + 0.54 * w, r.top() + 0.27 * h);
    win.lineTo(r.left() + 0.66 * w, r.top() + 0.27 * h);
    win.lineTo(r.left() + 0.76 * w, r.top() + 0.44 * h);
    win.closeSubpath();
    p.drawPath(win);
    // wheels
    const qreal d = 0.2 * std::min(w, h * 1.6);
    p.setBrush(QColor(0x33, 0x33, 0x33));
    p.drawEllipse(QPointF(r.left() + 0.25 * w, r.top() + 0.72 * h), d / 2, d / 2);
    p.drawEllipse(QPointF(r.left() + 0.75 * w, r.top() + 0.72 * h), d / 2, d / 2);
    p.setBrush(QColor(0xBB, 0xBB, 0xBB));
    p.drawEllipse(QPointF(r.left() + 0.25 * w, r.top() + 0.72 * h), d / 4.5, d / 4.5);
    p.drawEllipse(QPointF(r.left() + 0.75 * w, r.top() + 0.72 * h), d / 4.5, d / 4.5);
}

void drawCalendar(QPainter& p, const QRectF& r) {
    p.setPen(QPen(QColor(0x44, 0x44, 0x44), 2));
    p.setBrush(Qt::white);
    p.drawRoundedRect(r, 6, 6);
    p.setBrush(QColor(0xCC, 0x22, 0x22));
    p.drawRoundedRect(QRectF(r.left(), r.top(), r.width(), r.height() * 0.22), 6, 6);
    p.setPen(QPen(QColor(0x88, 0x88, 0x88), 1));
    const qreal cw = r.width() / 7, ch = r.height() * 0.78 / 5;
    for (int row = 0; row < 5; ++row)
        for (int col = 0; col < 7; ++col) {
            QRectF cell(r.left() + col * cw + 2, r.top() + r.height() * 0.22 + row * ch + 2, cw - 4, ch - 4);
            p.setBrush(row == 2 && col == 4 ? QColor(0xFF, 0xCC, 0x00) : QColor(0xEE, 0xF2, 0xF8));
            p.drawRect(cell);
        }
}

void drawCoins(QPainter& p, const QRectF& r) {
    const qreal d = std::min(r.width(), r.height()) * 0.42;
    const QPointF centres[] = {{r.left() + r.width() * 0.35, r.top() + r.height() * 0.62},
                               {r.left() + r.width() * 0.62, r.top() + r.height() * 0.55},
                               {r.left() + r.width() * 0.48, r.top() + r.height() * 0.35}};
    for (const QPointF& c : centres) {
        QRadialGradient g(c, d / 2);
        g.setColorAt(0, QColor(0xFF, 0xE0, 0x70));
        g.setColorAt(1, QColor(0xC8, 0x96, 0x10));
        p.setPen(QPen(QColor(0x8A, 0x60, 0x00), 2));
        p.setBrush(g);
        p.drawEllipse(c, d / 2, d / 2);
        p.setPen(QColor(0x6A, 0x48, 0x00));
        p.setFont(sans(static_cast<int>(d * 0.55), true));
        p.drawText(QRectF(c.x() - d / 2, c.y() - d / 2, d, d), Qt::AlignCenter, QStringLiteral("€"));
    }
}

} // namespace

QPixmap words(QSize size, const QString& text, QColor colour, int pixelSize, bool bold, Qt::Alignment align) {
    QPixmap pm = blank(size);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setPen(colour);
    p.setFont(sans(pixelSize, bold));
    p.drawText(QRect(QPoint(0, 0), size), static_cast<int>(align) | Qt::TextWordWrap, text);
    return pm;
}

QPixmap strip(QSize size, const QString& text, QColor ground, int pixelSize) {
    QPixmap pm(size);
    pm.fill(ground);
    QPainter p(&pm);
    p.drawPixmap(0, 0, words(size, text, Qt::white, pixelSize));
    return pm;
}

QPixmap buttonPicture(QSize size, const QString& text, QColor base) {
    QPixmap pm = blank(size);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, 0, size.height());
    g.setColorAt(0, base.lighter(150));
    g.setColorAt(1, base.darker(120));
    p.setPen(QPen(base.darker(150), 1));
    p.setBrush(g);
    p.drawRoundedRect(QRectF(0.5, 0.5, size.width() - 1, size.height() - 1), 6, 6);
    p.setPen(Qt::white);
    p.setFont(sans(static_cast<int>(size.height() * 0.42), true));
    p.drawText(QRect(QPoint(0, 0), size), Qt::AlignCenter, text);
    return pm;
}

QPixmap tile(QSize size, Tile kind) {
    QPixmap pm(size);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, size.height());
    sky.setColorAt(0, QColor(0x9C, 0xC8, 0xEE));
    sky.setColorAt(0.65, QColor(0xE8, 0xF3, 0xFC));
    sky.setColorAt(0.66, QColor(0x8A, 0x8F, 0x96));
    sky.setColorAt(1, QColor(0x5E, 0x63, 0x6A));
    p.fillRect(pm.rect(), sky);
    const QRectF area(size.width() * 0.08, size.height() * 0.18, size.width() * 0.84, size.height() * 0.6);
    switch (kind) {
    case Tile::Fleet:
        drawCar(p, QRectF(area.left(), area.top() + area.height() * 0.35, area.width(), area.height() * 0.55),
                QColor(0xC0, 0x20, 0x20), QColor(0x40, 0x10, 0x10));
        drawCar(p, QRectF(area.left() + area.width() * 0.25, area.top(), area.width() * 0.6, area.height() * 0.35),
                QColor(0x20, 0x50, 0xB0), QColor(0x10, 0x20, 0x50));
        break;
    case Tile::Deadlines:
        drawCalendar(p, QRectF(area.left() + area.width() * 0.1, area.top(), area.width() * 0.8, area.height() * 0.8));
        break;
    case Tile::Costs:
        drawCoins(p, area);
        break;
    }
    p.setPen(QPen(QColor(0x30, 0x30, 0x30), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(pm.rect().adjusted(0, 0, -1, -1));
    return pm;
}

QPixmap glyph(QSize size, Glyph kind) {
    QPixmap pm = blank(size);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r(1, 1, size.width() - 2, size.height() - 2);
    QColor plate(0x2E, 0x6D, 0xB4);
    QString symbol;
    switch (kind) {
    case Glyph::Info: symbol = QStringLiteral("i"); break;
    case Glyph::Help: symbol = QStringLiteral("?"); break;
    case Glyph::Exit: symbol = QStringLiteral("✕"); plate = QColor(0xC0, 0x30, 0x30); break;
    case Glyph::Credits: symbol = QStringLiteral("★"); plate = QColor(0xD0, 0x90, 0x10); break;
    case Glyph::New: symbol = QStringLiteral("＋"); plate = QColor(0x2E, 0x9D, 0x4A); break;
    case Glyph::Duplicate: break; // drawn below
    case Glyph::Save: symbol = QStringLiteral("✔"); plate = QColor(0x2E, 0x9D, 0x4A); break;
    case Glyph::Find: break; // drawn below
    case Glyph::Attach: symbol = QStringLiteral("✎"); break;
    case Glyph::First:
    case Glyph::Previous:
    case Glyph::Next:
    case Glyph::Last: break; // drawn below
    case Glyph::Export: plate = QColor(0x1E, 0x7B, 0x45); break; // drawn below
    case Glyph::Slideshow: break; // drawn below
    case Glyph::Print: break; // drawn below
    case Glyph::Preview: symbol = QStringLiteral("◉"); break;
    case Glyph::Unpaid: symbol = QStringLiteral("€"); plate = QColor(0xC0, 0x70, 0x10); break;
    case Glyph::Chart: symbol = QStringLiteral("▤"); break;
    case Glyph::Photo: symbol = QStringLiteral("◙"); break;
    case Glyph::Eraser: symbol = QStringLiteral("⌫"); plate = QColor(0xC0, 0x30, 0x30); break;
    case Glyph::Open: symbol = QStringLiteral("↗"); break;
    case Glyph::Zoom: symbol = QStringLiteral("⊕"); break;
    case Glyph::Calendar: symbol = QStringLiteral("▦"); break;
    }
    QLinearGradient g(0, 0, 0, size.height());
    g.setColorAt(0, plate.lighter(140));
    g.setColorAt(1, plate.darker(110));
    p.setPen(QPen(plate.darker(160), 1));
    p.setBrush(g);
    p.drawRoundedRect(r, size.width() / 5.0, size.height() / 5.0);
    if (!symbol.isEmpty()) {
        p.setPen(Qt::white);
        QFont f(QStringLiteral("DejaVu Sans"));
        f.setPixelSize(std::max(6, static_cast<int>(size.height() * 0.62)));
        f.setBold(true);
        p.setFont(f);
        p.drawText(r, Qt::AlignCenter, symbol);
        return pm;
    }
    // Shapes that fonts do not reliably carry.
    const qreal w = r.width(), h = r.height(), x0 = r.left(), y0 = r.top();
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    const auto triangle = [&](qreal left, qreal right, bool pointsRight) {
        QPolygonF t;
        if (pointsRight)
            t << QPointF(x0 + left * w, y0 + 0.25 * h) << QPointF(x0 + right * w, y0 + 0.5 * h)
              << QPointF(x0 + left * w, y0 + 0.75 * h);
        else
            t << QPointF(x0 + right * w, y0 + 0.25 * h) << QPointF(x0 + left * w, y0 + 0.5 * h)
              << QPointF(x0 + right * w, y0 + 0.75 * h);
        p.drawPolygon(t);
    };
    const auto bar = [&](qreal left) { p.drawRect(QRectF(x0 + left * w, y0 + 0.25 * h, 0.1 * w, 0.5 * h)); };
    switch (kind) {
    case Glyph::First: bar(0.22); triangle(0.34, 0.76, false); break;
    case Glyph::Previous: triangle(0.28, 0.70, false); break;
    case Glyph::Next: triangle(0.30, 0.72, true); break;
    case Glyph::Last: triangle(0.24, 0.66, true); bar(0.68); break;
    case Glyph::Duplicate:
        p.setPen(QPen(Qt::white, std::max<qreal>(1.5, w / 16)));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(x0 + 0.22 * w, y0 + 0.2 * h, 0.38 * w, 0.42 * h));
        p.setBrush(plate);
        p.drawRect(QRectF(x0 + 0.40 * w, y0 + 0.38 * h, 0.38 * w, 0.42 * h));
        break;
    case Glyph::Slideshow:
        p.setPen(QPen(Qt::white, std::max<qreal>(1.5, w / 16)));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(x0 + 0.18 * w, y0 + 0.24 * h, 0.64 * w, 0.46 * h));
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        triangle(0.42, 0.62, true);
        break;
    case Glyph::Find: {
        const qreal lw = std::max<qreal>(2, w / 11);
        p.setPen(QPen(Qt::white, lw, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QRectF(x0 + 0.22 * w, y0 + 0.2 * h, 0.4 * w, 0.4 * h));
        p.drawLine(QPointF(x0 + 0.56 * w, y0 + 0.56 * h), QPointF(x0 + 0.78 * w, y0 + 0.78 * h));
        break;
    }
    case Glyph::Print:
        p.drawRect(QRectF(x0 + 0.32 * w, y0 + 0.18 * h, 0.36 * w, 0.2 * h));        // paper in
        p.drawRoundedRect(QRectF(x0 + 0.18 * w, y0 + 0.38 * h, 0.64 * w, 0.3 * h), 3, 3); // body
        p.setBrush(plate);
        p.drawRect(QRectF(x0 + 0.3 * w, y0 + 0.56 * h, 0.4 * w, 0.08 * h));          // slot
        p.setBrush(Qt::white);
        p.drawRect(QRectF(x0 + 0.32 * w, y0 + 0.64 * h, 0.36 * w, 0.18 * h));        // paper out
        break;
    case Glyph::Export: {
        p.setPen(QPen(Qt::white, std::max<qreal>(1.5, w / 16)));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(x0 + 0.2 * w, y0 + 0.36 * h, 0.44 * w, 0.44 * h));
        p.setPen(QPen(Qt::white, std::max<qreal>(2, w / 12), Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(x0 + 0.42 * w, y0 + 0.58 * h), QPointF(x0 + 0.78 * w, y0 + 0.22 * h));
        p.drawLine(QPointF(x0 + 0.56 * w, y0 + 0.22 * h), QPointF(x0 + 0.78 * w, y0 + 0.22 * h));
        p.drawLine(QPointF(x0 + 0.78 * w, y0 + 0.22 * h), QPointF(x0 + 0.78 * w, y0 + 0.44 * h));
        break;
    }
    default: break;
    }
    return pm;
}

QIcon glyphIcon(Glyph kind) {
    return QIcon(glyph(QSize(48, 48), kind));
}

QPixmap padlock(QSize size, const QString& title, const QString& line, const QString& redLine) {
    QPixmap pm = blank(size);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal lockW = size.height() * 0.34;
    const QRectF body(10, size.height() * 0.18, lockW, lockW * 0.8);
    p.setPen(QPen(QColor(0x55, 0x55, 0x55), lockW / 7));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(body.left() + lockW * 0.18, body.top() - lockW * 0.5, lockW * 0.64, lockW * 0.9), 0, 180 * 16);
    QLinearGradient g(body.topLeft(), body.bottomLeft());
    g.setColorAt(0, QColor(0xFF, 0xD8, 0x50));
    g.setColorAt(1, QColor(0xC8, 0x90, 0x10));
    p.setPen(QPen(QColor(0x80, 0x5A, 0x00), 2));
    p.setBrush(g);
    p.drawRoundedRect(body, 5, 5);
    p.setBrush(QColor(0x40, 0x30, 0x00));
    p.drawEllipse(body.center(), lockW * 0.08, lockW * 0.08);

    const QRectF text(body.right() + 14, 4, size.width() - body.right() - 18, size.height() - 8);
    p.setPen(QColor(0x10, 0x2A, 0x60));
    p.setFont(sans(static_cast<int>(size.height() * 0.16), true));
    const QRectF titleRect(text.left(), text.top(), text.width(), size.height() * 0.26);
    p.drawText(titleRect, Qt::AlignLeft | Qt::AlignVCenter, title);
    p.setPen(QColor(0x20, 0x20, 0x20));
    p.setFont(sans(static_cast<int>(size.height() * 0.085), false));
    const QRectF lineRect(text.left(), titleRect.bottom() + 2, text.width(), size.height() * 0.36);
    p.drawText(lineRect, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, line);
    if (!redLine.isEmpty()) {
        p.setPen(QColor(0xCC, 0x00, 0x00));
        p.setFont(sans(static_cast<int>(size.height() * 0.08), true));
        p.drawText(QRectF(4, lineRect.bottom() + 4, size.width() - 8, size.height() - lineRect.bottom() - 6),
                   Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, redLine);
    }
    return pm;
}

QPixmap carPlaceholder(QSize size) {
    QPixmap pm(size);
    pm.fill(Qt::white);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal w = size.width() * 0.6, h = size.height() * 0.6;
    drawCar(p, QRectF((size.width() - w) / 2, (size.height() - h) / 2 - size.height() * 0.05, w, h),
            QColor(0xE6, 0xEC, 0xF2), QColor(0x9A, 0xA8, 0xB6));
    p.setPen(QColor(0x9A, 0xA8, 0xB6));
    p.setFont(sans(std::max(9, size.height() / 12), true));
    p.drawText(QRectF(0, size.height() * 0.78, size.width(), size.height() * 0.2), Qt::AlignCenter,
               QStringLiteral("Nessuna foto"));
    return pm;
}

QPixmap car(QSize size, QColor body) {
    QPixmap pm = blank(size);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    drawCar(p, QRectF(QPointF(0, 0), size), body, body.darker(250));
    return pm;
}

QPixmap programIcon(QSize size) {
    QPixmap pm = blank(size);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, 0, size.height());
    g.setColorAt(0, QColor(0xE0, 0x30, 0x30));
    g.setColorAt(1, QColor(0x90, 0x10, 0x10));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawRoundedRect(QRectF(QPointF(0, 0), size), size.width() / 5.0, size.height() / 5.0);
    drawCar(p, QRectF(size.width() * 0.1, size.height() * 0.2, size.width() * 0.8, size.height() * 0.6),
            Qt::white, QColor(0x50, 0x10, 0x10));
    return pm;
}

} // namespace art
