#include "program/command_line.h"

#include "backup/backup_command.h"

#include <QDateTime>
#include <QTextStream>

#include <cstdio>

namespace command_line {

// One line per verb; each runs a function of its own feature folder.
const std::vector<HeadlessVerb>& headlessVerbs() {
    static const std::vector<HeadlessVerb> verbs = {
        {QStringLiteral("backup"), QString(),
         QStringLiteral("Scrive un backup della cartella dei dati nella sua cartella Backup ed esce."),
         [](const VerbRequest& request) {
             QTextStream out(stdout);
             QTextStream err(stderr);
             return backup::runBackupCommand(request.dataDir, QDateTime::currentDateTime(), out, err);
         }},
    };
    return verbs;
}

} // namespace command_line
