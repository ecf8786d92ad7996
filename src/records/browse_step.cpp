#include "records/browse_step.h"

#include "records/text_rules.h"

#include <algorithm>

BrowseStep browseStep(Browse command, const QString& shown, qint64 count) {
    const QString position = text::trimmed(shown);
    // Previous on the first record does nothing, even before the file is looked at.
    if (command == Browse::Previous && position == QLatin1String("1"))
        return {};
    if (count == 0)
        return {0, true, command == Browse::Next};
    const qint64 current = position.toLongLong(); // empty reads as 0: a new record
    switch (command) {
    case Browse::First:
        return {1};
    case Browse::Last:
        return {count};
    case Browse::Next:
        return {current < count ? current + 1 : 0};
    case Browse::Previous:
        // A position beyond the end (the file was replaced meanwhile) steps back to the last.
        return {current >= 3 ? std::min(current - 1, count) : qint64(1)};
    }
    return {};
}
