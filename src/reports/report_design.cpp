#include "reports/report_design.h"

namespace report {

namespace {

template <class T> T* findObject(QList<Band>& bands, const QString& name) {
    for (Band& band : bands)
        for (Object& object : band.objects)
            if (T* found = std::get_if<T>(&object); found && found->name == name)
                return found;
    return nullptr;
}

} // namespace

Band* Report::band(const QString& name) {
    for (Band& b : bands)
        if (b.name == name)
            return &b;
    return nullptr;
}

Memo* Report::memo(const QString& name) {
    return findObject<Memo>(bands, name);
}

const Memo* Report::memo(const QString& name) const {
    return const_cast<Report*>(this)->memo(name);
}

Picture* Report::picture(const QString& name) {
    return findObject<Picture>(bands, name);
}

} // namespace report
