#include "app/shell.h"

#include <QDesktopServices>
#include <QUrl>

void DesktopShell::open(const QString& target) {
    QString t = target;
    // Paths are handed over in double quotes, as a command line would need them.
    if (t.size() >= 2 && t.startsWith(u'"') && t.endsWith(u'"'))
        t = t.mid(1, t.size() - 2);
    const bool isAddress = t.startsWith(QLatin1String("mailto:"), Qt::CaseInsensitive) ||
                           t.startsWith(QLatin1String("http://"), Qt::CaseInsensitive) ||
                           t.startsWith(QLatin1String("https://"), Qt::CaseInsensitive);
    QDesktopServices::openUrl(isAddress ? QUrl(t) : QUrl::fromLocalFile(t));
}
