#include "lists/fixed_width.h"

namespace fixed_width {

QStringView trimmed(QStringView value) {
    qsizetype begin = 0;
    qsizetype end = value.size();
    while (begin < end && value[begin].unicode() <= 32)
        ++begin;
    while (end > begin && value[end - 1].unicode() <= 32)
        --end;
    return value.sliced(begin, end - begin);
}

void Row::fit(qsizetype from, int width) {
    m_text.resize(from + width, u' '); // pads or cuts
}

Row& Row::column(QStringView value, int width) {
    const qsizetype from = m_text.size();
    m_text.append(trimmed(value).left(width));
    fit(from, width);
    return *this;
}

Row& Row::pair(QStringView first, QStringView second, int width) {
    const qsizetype from = m_text.size();
    m_text.append(trimmed(first).left(width));
    m_text.append(u' ');
    m_text.append(trimmed(second).left(width));
    fit(from, width);
    return *this;
}

Row& Row::text(QStringView label) {
    m_text.append(label);
    return *this;
}

Row& Row::last(QStringView value) {
    m_text.append(trimmed(value));
    return *this;
}

} // namespace fixed_width
