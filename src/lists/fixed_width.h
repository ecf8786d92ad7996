#pragma once

#include <QLatin1StringView>
#include <QString>
#include <QStringView>

// Rows of the result lists are fixed-width text, so that a monospaced list and its printout
// line up in columns. Every list screen builds its rows with fixed_width::Row, for example
//
//     fixed_width::Row row;
//     row.column(tipo, 20).text(u"  ").pair(marca, modello, 30).text(u"  Targa: ").column(targa, 12)
//        ...
//        .last(chilometri);
//     QString text = row.take();
//
// and the hand-over by row (row_hand_over.h) rebuilds the same row from each record.
namespace fixed_width {

// Blanks are the characters of code 32 or lower, as everywhere in the program.
QStringView trimmed(QStringView value);

class Row {
public:
    explicit Row(qsizetype expectedLength = 160) { m_text.reserve(expectedLength); }

    // The value trimmed, then padded with blanks or cut to exactly `width` characters.
    Row& column(QStringView value, int width);
    // "first second", each trimmed before joining, then padded or cut to `width`. The join is
    // not trimmed again: an empty first value leaves the second after a leading blank.
    Row& pair(QStringView first, QStringView second, int width);
    // A fixed label, written as it is, blanks included.
    Row& text(QStringView label);
    // The last column of a row: trimmed, neither padded nor cut.
    Row& last(QStringView value);

    const QString& current() const { return m_text; }
    QString take() { return std::move(m_text); }

private:
    void fit(qsizetype from, int width);

    QString m_text;
};

} // namespace fixed_width
