#include "records/text_rules.h"

namespace text {

QString trimmed(const QString& s) {
    qsizetype begin = 0;
    qsizetype end = s.size();
    while (begin < end && s.at(begin).unicode() <= 32)
        ++begin;
    while (end > begin && s.at(end - 1).unicode() <= 32)
        --end;
    return (begin == 0 && end == s.size()) ? s : s.mid(begin, end - begin);
}

QStringView trimmedView(QStringView s) {
    while (!s.isEmpty() && s.front().unicode() <= 32)
        s = s.sliced(1);
    while (!s.isEmpty() && s.back().unicode() <= 32)
        s.chop(1);
    return s;
}

QString upperAZ(const QString& s) {
    QString out = s;
    for (QChar& c : out)
        if (c >= u'a' && c <= u'z')
            c = QChar(c.unicode() - 32);
    return out;
}

QString lowerAZ(const QString& s) {
    QString out = s;
    for (QChar& c : out)
        if (c >= u'A' && c <= u'Z')
            c = QChar(c.unicode() + 32);
    return out;
}

} // namespace text
