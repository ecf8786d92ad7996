#pragma once

#include <QString>

// Texts several screens show word for word, written out here rather than taken from the
// program, so that a test notices when one of them changes.
namespace expected_texts {

inline QString accessFailure() {
    return QStringLiteral(
        "Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\rAccertarsi di possedere i privilegi "
        "di scrittura nella cartella di installazione del programma.");
}
inline QString emptyFile() {
    return QStringLiteral("L'archivio non contiene nessuna scheda.");
}
// After a save over the record shown, on the card and the cost screen.
inline QString recordUpdated() {
    return QStringLiteral("Le modifiche apportate alla scheda corrente sono state salvate in archivio.");
}
inline QString changedElsewhere() {
    return QStringLiteral(
        "Un'altra copia del programma ha modificato questa scheda dopo che è stata caricata.\r\n\r\n"
        "Sovrascrivere le modifiche dell'altra copia?");
}

} // namespace expected_texts
