#include "program/command_line.h"

#include "app/clock.h"
#include "calendar/calendar_export.h"

#include <cstdio>

namespace command_line {

// One line per verb; each runs a function of its own feature folder.
const std::vector<HeadlessVerb>& headlessVerbs() {
    static const std::vector<HeadlessVerb> verbs = {
        {QStringLiteral("export-calendar"), QStringLiteral("FILE"),
         QStringLiteral("scrive in FILE il calendario delle scadenze (iCalendar) ed esce"),
         [](const VerbRequest& request) {
             QString message;
             const int code = calendar::exportToFile(request.dataDir, request.value, SystemClock().now(), message);
             if (!message.isEmpty())
                 std::fputs(qPrintable(message + u'\n' + (code == kUsage ? helpText() : QString())), stderr);
             return code;
         }},
    };
    return verbs;
}

} // namespace command_line
