#include "calendar/ics_writer.h"

namespace ics {
namespace {

constexpr qsizetype kMaxOctets = 75;

bool isContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

QByteArray dateValue(const QDate& d) {
    return d.toString(QStringLiteral("yyyyMMdd")).toLatin1();
}

class Lines {
public:
    void add(const char* name, const QByteArray& value) { m_out += foldedLine(QByteArray(name) + ':' + value); }
    void addText(const char* name, const QString& value) { add(name, escapeText(value).toUtf8()); }
    QByteArray take() { return std::move(m_out); }

private:
    QByteArray m_out;
};

} // namespace

QString escapeText(const QString& value) {
    QString out;
    out.reserve(value.size() + 8);
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value[i];
        switch (c.unicode()) {
        case u'\\':
        case u';':
        case u',':
            out += u'\\';
            out += c;
            break;
        case u'\r':
            if (i + 1 < value.size() && value[i + 1] == u'\n')
                ++i;
            out += QStringLiteral("\\n");
            break;
        case u'\n':
            out += QStringLiteral("\\n");
            break;
        default:
            out += c;
        }
    }
    return out;
}

QByteArray foldedLine(const QByteArray& line) {
    QByteArray out;
    qsizetype start = 0;
    qsizetype room = kMaxOctets;
    while (line.size() - start > room) {
        qsizetype cut = start + room;
        while (cut > start && isContinuationByte(line[cut]))
            --cut;
        out += line.mid(start, cut - start);
        out += "\r\n ";
        start = cut;
        room = kMaxOctets - 1; // the leading space counts
    }
    out += line.mid(start);
    out += "\r\n";
    return out;
}

QByteArray calendar(const std::vector<Event>& events, const QDateTime& stamp) {
    const QByteArray dtstamp = stamp.toUTC().toString(QStringLiteral("yyyyMMdd'T'HHmmss'Z'")).toLatin1();
    Lines l;
    l.add("BEGIN", "VCALENDAR");
    l.add("VERSION", "2.0");
    l.add("PRODID", "-//Vestrano Software//Vestrano 3.0//IT");
    l.add("CALSCALE", "GREGORIAN");
    l.addText("X-WR-CALNAME", QStringLiteral("Scadenze Vestrano"));
    for (const Event& e : events) {
        l.add("BEGIN", "VEVENT");
        l.addText("UID", e.uid);
        l.add("DTSTAMP", dtstamp);
        l.add("DTSTART;VALUE=DATE", dateValue(e.date));
        l.add("DTEND;VALUE=DATE", dateValue(e.date.addDays(1)));
        l.addText("SUMMARY", e.summary);
        if (!e.description.isEmpty())
            l.addText("DESCRIPTION", e.description);
        l.add("TRANSP", "TRANSPARENT"); // a deadline does not make the day busy
        l.add("BEGIN", "VALARM");
        l.add("ACTION", "DISPLAY");
        l.addText("DESCRIPTION", e.summary);
        l.add("TRIGGER", "-P7D");
        l.add("END", "VALARM");
        l.add("END", "VEVENT");
    }
    l.add("END", "VCALENDAR");
    return l.take();
}

} // namespace ics
