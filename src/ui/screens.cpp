#include "ui/screens.h"

#include "ui/area_screen.h"

Screens::Screens() = default;

Screens::~Screens() {
    // Hidden first, while every screen is whole: hiding moves the keyboard focus, and the
    // focus handlers of a screen must not run while it is half destroyed.
    for (auto it = m_order.rbegin(); it != m_order.rend(); ++it)
        (*it)->hide();
    for (auto it = m_order.rbegin(); it != m_order.rend(); ++it)
        delete *it;
}

void Screens::add(AreaScreen* screen) {
    m_order.push_back(screen);
    QObject::connect(screen, &AreaScreen::goToRequested, screen, [this](const QString& target) { show(target); });
}

AreaScreen* Screens::area(const QString& name) const {
    for (AreaScreen* s : m_order)
        if (s->objectName() == name)
            return s;
    return nullptr;
}

void Screens::show(const QString& name) const {
    if (AreaScreen* s = area(name))
        s->present();
}
