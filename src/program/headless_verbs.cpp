#include "program/command_line.h"

#include "app/clock.h"
#include "backup/backup_command.h"
#include "calendar/calendar_export.h"
#include "spreadsheets/xlsx_command.h"

#include <QTextStream>

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
        {QStringLiteral("export-xlsx"), QStringLiteral("veicoli|ANNO"),
         QStringLiteral("scrive in FILE la cartella di lavoro .xlsx dei veicoli o dei costi di ANNO"),
         [](const VerbRequest& r) {
             QTextStream errors(stderr);
             return xlsx_command::exportWorkbook(r.dataDir, r.value, r.arguments.value(0), errors);
         },
         {QStringLiteral("FILE")}},
    };
    return verbs;
}

} // namespace command_line
