#include "ui/screen_parts.h"
#include "ui/fonts.h"

#include <QLabel>
#include <QPushButton>

namespace screen_parts {

QWidget* box(QWidget* parent, const QString& name, const QRect& r, const QColor& colour) {
    auto* w = new QWidget(parent);
    w->setObjectName(name);
    w->setGeometry(r);
    w->setAutoFillBackground(true);
    QPalette pal = w->palette();
    pal.setColor(QPalette::Window, colour);
    w->setPalette(pal);
    return w;
}

QLabel* label(QWidget* parent, const QString& name, const QString& text, const QRect& r, const QFont& font,
              const QColor& colour, Qt::Alignment align) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    l->setGeometry(r);
    l->setFont(font);
    l->setAlignment(align);
    QPalette pal = l->palette();
    pal.setColor(QPalette::WindowText, colour);
    l->setPalette(pal);
    return l;
}

QLabel* statusLine(QWidget* parent, const QRect& r, const QString& text) {
    auto* line = new QLabel(text, parent);
    line->setObjectName(QStringLiteral("panInfo"));
    line->setGeometry(r);
    line->setAutoFillBackground(true);
    QPalette pal = line->palette();
    pal.setColor(QPalette::Window, QColor(0x6A, 0x5A, 0xCD));
    pal.setColor(QPalette::WindowText, Qt::white);
    line->setPalette(pal);
    line->setIndent(8);
    line->setFont(QFont(QStringLiteral("Tahoma"), 12));
    return line;
}

QPushButton* button(QWidget* parent, const QString& name, const QString& text, const QRect& r) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(name);
    b->setGeometry(r);
    b->setCursor(Qt::PointingHandCursor);
    b->setFont(fonts::verdana(10, QFont::Bold));
    return b;
}

QPushButton* dialogButton(QWidget* parent, const QString& name, const QString& text, const QRect& r) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(name);
    b->setGeometry(r);
    b->setAutoDefault(false);
    return b;
}

} // namespace screen_parts
