#include "ui/screen_parts.h"
#include "ui/fonts.h"

#include <QLabel>
#include <QPushButton>

namespace screen_parts {

namespace {

template <class W> W* placed(W* w, const QString& name, const QRect& place) {
    w->setObjectName(name);
    w->setGeometry(place);
    return w;
}

void paint(QWidget* w, QPalette::ColorRole role, const QColor& colour) {
    QPalette pal = w->palette();
    pal.setColor(role, colour);
    w->setPalette(pal);
}

} // namespace

QWidget* box(QWidget* parent, const QString& name, const QRect& place, const QColor& fill) {
    auto* w = placed(new QWidget(parent), name, place);
    w->setAutoFillBackground(true);
    paint(w, QPalette::Window, fill);
    return w;
}

QLabel* label(QWidget* parent, const QString& name, const QRect& place, const QString& text,
              const TextLook& look) {
    auto* l = placed(new QLabel(text, parent), name, place);
    l->setFont(look.font);
    l->setAlignment(look.align);
    l->setWordWrap(look.wrap);
    if (look.colour.isValid())
        paint(l, QPalette::WindowText, look.colour);
    if (look.fill.isValid()) {
        l->setAutoFillBackground(true);
        paint(l, QPalette::Window, look.fill);
    }
    return l;
}

QLabel* picture(QWidget* parent, const QString& name, const QRect& place, const QPixmap& picture) {
    auto* l = placed(new QLabel(parent), name, place);
    l->setPixmap(picture);
    return l;
}

QLabel* hiddenLabel(QWidget* parent, const QString& name, const QString& text) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    l->hide();
    return l;
}

QPushButton* button(QWidget* parent, const QString& name, const QRect& place, const QString& text,
                    const QFont& font) {
    auto* b = placed(new QPushButton(text, parent), name, place);
    b->setCursor(Qt::PointingHandCursor);
    b->setFont(font == QFont() ? fonts::verdana(10, QFont::Bold) : font);
    return b;
}

QPushButton* dialogButton(QWidget* parent, const QString& name, const QRect& place,
                          const QString& text) {
    auto* b = placed(new QPushButton(text, parent), name, place);
    b->setAutoDefault(false);
    return b;
}

QPushButton* pictureButton(QWidget* parent, const QString& name, const QRect& place,
                           const QPixmap& picture, const QString& accessibleName) {
    auto* b = placed(new QPushButton(parent), name, place);
    b->setFlat(true);
    b->setCursor(Qt::PointingHandCursor);
    b->setFocusPolicy(Qt::NoFocus);
    b->setIcon(QIcon(picture));
    b->setIconSize(place.size());
    b->setAccessibleName(accessibleName);
    b->setStyleSheet(
        QStringLiteral("QPushButton { border: none; padding: 0; background: transparent; }"));
    return b;
}

QPushButton* glyphButton(QWidget* parent, const QString& name, const QRect& place, art::Glyph glyph,
                         const QString& accessibleName) {
    return pictureButton(parent, name, place, art::glyph(place.size(), glyph), accessibleName);
}

QLabel* statusLine(QWidget* parent, const QRect& place, const QString& text, const QColor& fill) {
    auto* line = label(parent, QStringLiteral("panInfo"), place, text,
                       {QFont(QStringLiteral("Tahoma"), 12), Qt::white,
                        Qt::AlignLeft | Qt::AlignVCenter, false, fill});
    line->setIndent(12);
    return line;
}

} // namespace screen_parts
