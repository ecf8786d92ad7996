#include "help/info_artwork.h"

#include "ui/artwork.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace art {

namespace {

QPixmap transparent(QSize size) {
    QPixmap pm(size);
    pm.fill(Qt::transparent);
    return pm;
}

QFont face(int pixelSize, bool bold, bool italic = false) {
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(std::max(1, pixelSize));
    f.setBold(bold);
    f.setItalic(italic);
    return f;
}

// A low two-door coupé facing right, in `r`.
void drawSportsCar(QPainter& p, const QRectF& r, QColor body) {
    const auto at = [&r](qreal x, qreal y) { return QPointF(r.left() + x * r.width(), r.top() + y * r.height()); };
    QPainterPath shell;
    shell.moveTo(at(0.02, 0.70));
    shell.lineTo(at(0.03, 0.50));
    shell.cubicTo(at(0.10, 0.42), at(0.22, 0.40), at(0.30, 0.38));
    shell.cubicTo(at(0.40, 0.12), at(0.58, 0.10), at(0.70, 0.34));
    shell.cubicTo(at(0.84, 0.38), at(0.96, 0.44), at(0.98, 0.58));
    shell.lineTo(at(0.98, 0.72));
    shell.closeSubpath();
    QLinearGradient paint(r.topLeft(), r.bottomLeft());
    paint.setColorAt(0, body.lighter(150));
    paint.setColorAt(1, body.darker(130));
    p.setPen(QPen(body.darker(200), std::max(1.0, r.height() / 90)));
    p.setBrush(paint);
    p.drawPath(shell);
    QPainterPath window;
    window.moveTo(at(0.34, 0.38));
    window.cubicTo(at(0.42, 0.18), at(0.56, 0.17), at(0.65, 0.36));
    window.closeSubpath();
    p.setBrush(QColor(0x30, 0x40, 0x55));
    p.drawPath(window);
    for (qreal x : {0.22, 0.80}) {
        const QPointF c = at(x, 0.72);
        const qreal rad = r.height() * 0.17;
        p.setBrush(QColor(0x20, 0x20, 0x20));
        p.drawEllipse(c, rad, rad);
        p.setBrush(QColor(0xC8, 0xC8, 0xD0));
        p.drawEllipse(c, rad * 0.55, rad * 0.55);
    }
}

} // namespace

QPixmap pdfIcon(QSize size) {
    QPixmap pm = transparent(size);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal w = size.width(), h = size.height();
    QPainterPath sheet;
    sheet.moveTo(w * 0.15, h * 0.04);
    sheet.lineTo(w * 0.65, h * 0.04);
    sheet.lineTo(w * 0.87, h * 0.26);
    sheet.lineTo(w * 0.87, h * 0.96);
    sheet.lineTo(w * 0.15, h * 0.96);
    sheet.closeSubpath();
    p.setPen(QPen(QColor(0x80, 0x80, 0x80), 1));
    p.setBrush(Qt::white);
    p.drawPath(sheet);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xD0, 0x10, 0x10));
    p.drawRect(QRectF(w * 0.05, h * 0.52, w * 0.74, h * 0.30));
    p.setPen(Qt::white);
    p.setFont(face(static_cast<int>(h * 0.26), true));
    p.drawText(QRectF(w * 0.05, h * 0.52, w * 0.74, h * 0.30), Qt::AlignCenter, QStringLiteral("PDF"));
    return pm;
}

QPixmap envelopeIcon(QSize size) {
    QPixmap pm = transparent(size);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r(size.width() * 0.06, size.height() * 0.2, size.width() * 0.88, size.height() * 0.6);
    p.setPen(QPen(QColor(0x1A, 0x3A, 0x7A), std::max(1.0, size.height() / 20.0)));
    p.setBrush(QColor(0xFF, 0xF8, 0xE0));
    p.drawRoundedRect(r, 2, 2);
    p.drawLine(r.topLeft(), QPointF(r.center().x(), r.top() + r.height() * 0.6));
    p.drawLine(r.topRight(), QPointF(r.center().x(), r.top() + r.height() * 0.6));
    return pm;
}

QPixmap globeIcon(QSize size) {
    QPixmap pm = transparent(size);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r(size.width() * 0.08, size.height() * 0.08, size.width() * 0.84, size.height() * 0.84);
    QRadialGradient sea(r.center() - QPointF(r.width() * 0.2, r.height() * 0.2), r.width() * 0.7);
    sea.setColorAt(0, QColor(0x9C, 0xD0, 0xFF));
    sea.setColorAt(1, QColor(0x1A, 0x5A, 0xB0));
    p.setPen(QPen(QColor(0x10, 0x3A, 0x80), std::max(1.0, size.height() / 22.0)));
    p.setBrush(sea);
    p.drawEllipse(r);
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(r.center().x() - r.width() * 0.22, r.top(), r.width() * 0.44, r.height()));
    p.drawLine(QPointF(r.center().x(), r.top()), QPointF(r.center().x(), r.bottom()));
    p.drawLine(QPointF(r.left(), r.center().y()), QPointF(r.right(), r.center().y()));
    return pm;
}

QPixmap heading(QSize size, const QPixmap& icon, const QString& words) {
    QPixmap pm = transparent(size);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const int side = std::min(size.height() - 8, icon.height());
    p.drawPixmap(QRect(10, (size.height() - side) / 2, side, side), icon);
    p.setPen(QColor(0x10, 0x2A, 0x60));
    p.setFont(face(static_cast<int>(size.height() * 0.42), true));
    p.drawText(QRect(side + 24, 0, size.width() - side - 30, size.height()), Qt::AlignLeft | Qt::AlignVCenter,
               words);
    return pm;
}

QPixmap aboutPicture(QSize size, const QString& maker) {
    QPixmap pm = transparent(size);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const int w = size.width();
    p.drawPixmap(QRect((w - 96) / 2, 8, 96, 96), programIcon(QSize(96, 96)));
    p.setPen(QColor(0xC0, 0x10, 0x10));
    p.setFont(face(40, true));
    p.drawText(QRect(0, 112, w, 50), Qt::AlignCenter, QStringLiteral("Vestrano 3.0"));
    p.setPen(QColor(0x10, 0x2A, 0x60));
    p.setFont(face(15, false));
    p.drawText(QRect(20, 166, w - 40, 110), Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap,
               QStringLiteral("Software per archiviare i mezzi del proprio parco auto e registrare le scadenze, "
                              "le manutenzioni e i costi relativi a ciascun veicolo."));
    p.setFont(face(14, true));
    p.drawText(QRect(0, 280, w, 24), Qt::AlignCenter, QStringLiteral("Versione 3.0"));
    p.setFont(face(14, false));
    p.drawText(QRect(0, 306, w, 24), Qt::AlignCenter, QStringLiteral("© ") + maker);
    p.drawText(QRect(20, 340, w - 40, 44), Qt::AlignCenter | Qt::TextWordWrap,
               QStringLiteral("Per informazioni e assistenza scrivere all'indirizzo:"));
    return pm;
}

QPixmap creditsPicture(QSize size, const QString& maker, const QString& webAddress) {
    QPixmap pm(size);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, size.height());
    sky.setColorAt(0, QColor(0x1C, 0x2E, 0x4A));
    sky.setColorAt(0.6, QColor(0x5A, 0x7C, 0xA8));
    sky.setColorAt(1, QColor(0xE8, 0xC8, 0x98));
    p.fillRect(pm.rect(), sky);
    const qreal w = size.width(), h = size.height();
    p.fillRect(QRectF(0, h * 0.78, w, h * 0.22), QColor(0x3A, 0x3A, 0x40));
    p.setPen(QPen(QColor(0xF0, 0xE0, 0x80), 3, Qt::DashLine));
    p.drawLine(QPointF(0, h * 0.89), QPointF(w, h * 0.89));
    drawSportsCar(p, QRectF(w * 0.52, h * 0.46, w * 0.44, h * 0.38), QColor(0xC0, 0x18, 0x18));
    p.setPen(Qt::white);
    p.setFont(face(static_cast<int>(h * 0.14), true));
    p.drawText(QRectF(w * 0.05, h * 0.06, w * 0.9, h * 0.18), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Vestrano 3.0"));
    p.setFont(face(static_cast<int>(h * 0.055), false, true));
    p.drawText(QRectF(w * 0.05, h * 0.25, w * 0.5, h * 0.3), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
               QStringLiteral("Ideato, progettato e realizzato da ") + maker + QStringLiteral("."));
    p.setFont(face(static_cast<int>(h * 0.045), true));
    p.drawText(QRectF(w * 0.05, h * 0.55, w * 0.45, h * 0.1), Qt::AlignLeft | Qt::AlignVCenter, webAddress);
    return pm;
}

QPixmap slideshowStart(QSize size) {
    QPixmap pm(size);
    pm.fill(Qt::white);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal w = size.width(), h = size.height();
    QLinearGradient floor(0, h * 0.6, 0, h);
    floor.setColorAt(0, QColor(0xEE, 0xF2, 0xF6));
    floor.setColorAt(1, QColor(0xC8, 0xD4, 0xE0));
    p.fillRect(QRectF(0, h * 0.6, w, h * 0.4), floor);
    drawSportsCar(p, QRectF(w * 0.18, h * 0.22, w * 0.64, h * 0.5), QColor(0xD0, 0x20, 0x20));
    p.setPen(QColor(0x10, 0x2A, 0x60));
    p.setFont(face(static_cast<int>(h * 0.09), true));
    p.drawText(QRectF(0, h * 0.04, w, h * 0.16), Qt::AlignCenter, QStringLiteral("Avvio Slide Show"));
    p.setFont(face(static_cast<int>(h * 0.06), false, true));
    p.drawText(QRectF(0, h * 0.78, w, h * 0.14), Qt::AlignCenter, QStringLiteral("Attendere..."));
    return pm;
}

} // namespace art

namespace art {

QPixmap instructions(QSize size, const QPixmap& icon, const QString& text) {
    QPixmap pm = transparent(size);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    const int side = std::min(size.height() - 8, icon.height());
    p.drawPixmap(QRect(8, (size.height() - side) / 2, side, side), icon);
    p.setPen(QColor(0x10, 0x2A, 0x60));
    p.setFont(face(13, true));
    p.drawText(QRect(side + 20, 2, size.width() - side - 26, size.height() - 4),
               Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, text);
    return pm;
}

} // namespace art
