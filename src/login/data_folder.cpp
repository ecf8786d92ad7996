#include "login/data_folder.h"

#include "app/app_context.h"

#include <QDir>
#include <QFileInfo>

std::optional<QString> dataFolderProblem(const QString& programDir) {
    const QString folder = QDir::cleanPath(programDir);
    const QFileInfo info(folder);
    QString why;
    if (info.exists() && !info.isDir())
        why = QStringLiteral("Il percorso indicato è un file, non una cartella.");
    else if (!info.exists() && !QDir().mkpath(folder))
        why = QStringLiteral("La cartella non esiste e non è possibile crearla.");
    else if (QFileInfo fresh(folder);
             !fresh.isReadable() || !fresh.isWritable() || !fresh.isExecutable())
        why = QStringLiteral(
            "Accertarsi di possedere i privilegi di lettura e scrittura nella cartella.");
    else
        return std::nullopt;
    return QStringLiteral("Attenzione: il sistema non permette di accedere alla cartella dei dati "
                          "del programma:\n\r\n\r%1\n\r\n\r%2")
        .arg(QDir::toNativeSeparators(folder), why);
}

bool tellDataFolderProblem(AppContext& ctx, QWidget* parent) {
    const std::optional<QString> problem = dataFolderProblem(ctx.programDir);
    if (!problem)
        return false;
    ctx.dialogs->notice(parent, NoticeKind::Error, *problem);
    return true;
}
