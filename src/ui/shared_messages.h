#pragma once

#include <QString>

// Texts several screens show word for word; kept here so they cannot drift apart.
namespace shared_messages {

// A data file the program cannot open, read or write.
inline QString accessFailure() {
    return QStringLiteral(
        "Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\rAccertarsi di "
        "possedere i privilegi di scrittura nella cartella di installazione del programma.");
}

// A record file that holds no record to show.
inline QString emptyFile() {
    return QStringLiteral("L'archivio non contiene nessuna scheda.");
}

} // namespace shared_messages
