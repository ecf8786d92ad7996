#include "login/ini_text.h"

#include <QList>

namespace ini_text {
namespace {

struct Line {
    QStringView body; // without its line ending
    QStringView ending;
};

QList<Line> splitLines(const QString& text) {
    QList<Line> lines;
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = start;
        while (end < text.size() && text[end] != u'\n' && text[end] != u'\r')
            ++end;
        qsizetype next = end;
        if (next < text.size() && text[next] == u'\r')
            ++next;
        if (next < text.size() && text[next] == u'\n')
            ++next;
        lines.append({QStringView(text).sliced(start, end - start),
                      QStringView(text).sliced(end, next - end)});
        start = next;
    }
    return lines;
}

QStringView trimmedView(QStringView s) {
    qsizetype from = 0, to = s.size();
    while (from < to && s[from].unicode() <= 32)
        ++from;
    while (to > from && s[to - 1].unicode() <= 32)
        --to;
    return s.sliced(from, to - from);
}

// A byte order mark left by an editor is no part of the first name.
QStringView withoutMark(QStringView body) {
    static const QString kUtf8MarkAsRead = QStringLiteral("\u00EF\u00BB\u00BF");
    if (body.startsWith(kUtf8MarkAsRead))
        return body.sliced(kUtf8MarkAsRead.size());
    if (body.startsWith(u'\uFEFF'))
        return body.sliced(1);
    return body;
}

// The section name of a "[name]" line; nullopt for any other line.
std::optional<QStringView> sectionOf(QStringView body) {
    const QStringView t = trimmedView(body);
    if (!t.startsWith(u'['))
        return std::nullopt;
    const qsizetype close = t.indexOf(u']');
    if (close < 0)
        return std::nullopt;
    return trimmedView(t.sliced(1, close - 1));
}

bool isComment(QStringView body) {
    const QStringView t = trimmedView(body);
    return t.startsWith(u';');
}

// The key of a "key=value" line; nullopt for any other line.
std::optional<QStringView> keyOf(QStringView body) {
    if (isComment(body))
        return std::nullopt;
    const qsizetype eq = body.indexOf(u'=');
    if (eq < 0)
        return std::nullopt;
    return trimmedView(body.first(eq));
}

QString valueOf(QStringView body) {
    QStringView v = trimmedView(body.sliced(body.indexOf(u'=') + 1));
    // Windows drops one pair of quotes around a value.
    if (v.size() >= 2 && (v.front() == u'"' || v.front() == u'\'') && v.back() == v.front())
        v = v.sliced(1, v.size() - 2);
    return v.toString();
}

bool sameName(QStringView a, QStringView b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// The index of the line holding the key; -1 when there is none.
qsizetype keyLineOf(const QList<Line>& lines, QStringView section, QStringView key) {
    bool inSection = false;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QStringView body = i == 0 ? withoutMark(lines[i].body) : lines[i].body;
        if (const auto name = sectionOf(body)) {
            inSection = sameName(*name, section);
            continue;
        }
        if (!inSection)
            continue;
        if (const auto k = keyOf(body); k && sameName(*k, key))
            return i;
    }
    return -1;
}

} // namespace

std::optional<QString> value(const QString& text, QStringView section, QStringView key) {
    const QList<Line> lines = splitLines(text);
    const qsizetype at = keyLineOf(lines, section, key);
    if (at < 0)
        return std::nullopt;
    return valueOf(lines[at].body);
}

QString withValue(const QString& text, QStringView section, QStringView key, const QString& value) {
    const QList<Line> lines = splitLines(text);
    const qsizetype at = keyLineOf(lines, section, key);
    // New lines end as the file's own lines do; Windows line endings for a new file.
    const QString eol = !lines.isEmpty() && !lines.first().ending.isEmpty()
                            ? lines.first().ending.toString()
                            : QStringLiteral("\r\n");
    const QString keyLine = key.toString() + u'=' + value;
    QString out;
    out.reserve(text.size() + keyLine.size() + section.size() + 8);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        out += i == at ? QStringView(keyLine) : lines[i].body;
        out += lines[i].ending;
    }
    if (at < 0) {
        if (!lines.isEmpty() && lines.last().ending.isEmpty())
            out += eol;
        out += u'[' + section.toString() + u']' + eol + keyLine + eol;
    }
    return out;
}

} // namespace ini_text
