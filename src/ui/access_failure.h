#pragma once

#include <QString>

// The program's one message for a data file it cannot open, read or write.
inline QString accessFailureText() {
    return QStringLiteral(
        "Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\rAccertarsi di "
        "possedere i privilegi di scrittura nella cartella di installazione del programma.");
}
