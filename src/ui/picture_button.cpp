#include "ui/picture_button.h"

#include <QPushButton>

QPushButton* makePictureButton(QWidget* parent, const QString& name, const QPixmap& picture,
                               const QRect& geometry, const QString& accessibleName) {
    auto* button = new QPushButton(parent);
    button->setObjectName(name);
    button->setFlat(true);
    button->setCursor(Qt::PointingHandCursor);
    button->setFocusPolicy(Qt::NoFocus);
    button->setGeometry(geometry);
    button->setIcon(QIcon(picture));
    button->setIconSize(geometry.size());
    button->setAccessibleName(accessibleName);
    button->setStyleSheet(QStringLiteral("QPushButton { border: none; padding: 0; background: transparent; }"));
    return button;
}
