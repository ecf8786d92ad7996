#pragma once

#include <QString>

#include <memory>
#include <vector>

class AreaScreen;

// The area screens of the run, created once at start in a fixed order and owned here.
class Screens {
public:
    Screens();
    ~Screens();
    Screens(const Screens&) = delete;
    Screens& operator=(const Screens&) = delete;

    void add(AreaScreen* screen);
    AreaScreen* area(const QString& name) const;
    template <class T> T* area(const QString& name) const { return static_cast<T*>(area(name)); }
    void show(const QString& name) const;
    const std::vector<AreaScreen*>& all() const { return m_order; }

private:
    std::vector<AreaScreen*> m_order;
};
