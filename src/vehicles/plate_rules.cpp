#include "vehicles/plate_rules.h"

#include "records/text_rules.h"

namespace plate {

bool isRefused(QChar c) {
    const char16_t u = c.unicode();
    switch (u) {
    case u'&':
    case u'/':
    case u'<':
    case u'>':
    case 0x80:
    case 0xA3: // £
    case 0xB0: // °
        return true;
    default:
        break;
    }
    // The same accented letters in both cases: lower case is upper case + 0x20.
    const char16_t upper = (u >= 0xE0 && u <= 0xFC) ? char16_t(u - 0x20) : u;
    return (upper >= 0xC0 && upper <= 0xC2) || upper == 0xC4 || (upper >= 0xC7 && upper <= 0xCF) ||
           (upper >= 0xD1 && upper <= 0xD4) || upper == 0xD6 || (upper >= 0xD9 && upper <= 0xDC);
}

QString normalised(const QString& text, int* cursor) {
    QString kept;
    kept.reserve(text.size());
    int newCursor = cursor ? *cursor : 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (isRefused(text[i])) {
            if (cursor && i < *cursor)
                --newCursor;
            continue;
        }
        kept.append(text[i]);
    }
    qsizetype start = 0;
    while (start < kept.size() && kept[start].unicode() <= 32)
        ++start;
    QString result = text::upperAZ(text::trimmed(kept));
    if (cursor)
        *cursor = std::clamp<int>(newCursor - int(start), 0, int(result.size()));
    return result;
}

} // namespace plate
