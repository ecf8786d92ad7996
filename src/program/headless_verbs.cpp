#include "program/command_line.h"

#include "app/clock.h"
#include "backup/backup_command.h"
#include "calendar/calendar_export.h"

#include <QTextStream>

#include <cstdio>

namespace command_line {

// One line per verb; each runs a function of its own feature folder.
const std::vector<HeadlessVerb>& headlessVerbs() {
    static const std::vector<HeadlessVerb> verbs = {
        {QStringLiteral("backup"), QString(),
         QStringLiteral("scrive un backup della cartella dei dati nella sua cartella Backup ed esce"),
         [](const VerbRequest& request) {
             QTextStream out(stdout);
             QTextStream err(stderr);
             return backup::runBackupCommand(request.dataDir, SystemClock().now(), out, err);
         }},
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
