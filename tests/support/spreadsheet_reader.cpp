#include "support/spreadsheet_reader.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUrl>

namespace spreadsheet_reader {

QString office() {
    for (const char* name : {"soffice", "libreoffice"})
        if (const QString path = QStandardPaths::findExecutable(QLatin1String(name));
            !path.isEmpty())
            return path;
    return {};
}

std::optional<QList<QStringList>> readWithOffice(const QString& path, QString* error) {
    QTemporaryDir work;
    const QString profile =
        QUrl::fromLocalFile(work.filePath(QStringLiteral("profile"))).toString();
    const QString out = work.filePath(QStringLiteral("out"));
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    // Comma-separated, double quotes around text, UTF-8 (76), every cell as its text.
    p.start(office(), {QStringLiteral("-env:UserInstallation=") + profile,
                       QStringLiteral("--headless"), QStringLiteral("--convert-to"),
                       QStringLiteral("csv:Text - txt - csv (StarCalc):44,34,76,1"),
                       QStringLiteral("--outdir"), out, path});
    if (!p.waitForFinished(180000)) {
        p.kill();
        *error = QStringLiteral("LibreOffice did not finish");
        return std::nullopt;
    }
    QFile csv(QDir(out).filePath(QFileInfo(path).completeBaseName() + QStringLiteral(".csv")));
    if (!csv.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("no CSV written: ") + QString::fromLocal8Bit(p.readAll());
        return std::nullopt;
    }
    return parseCsv(QString::fromUtf8(csv.readAll()));
}

QList<QStringList> parseCsv(const QString& text) {
    QList<QStringList> rows;
    QStringList row;
    QString cell;
    bool quoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (quoted) {
            if (c == u'"' && i + 1 < text.size() && text.at(i + 1) == u'"') {
                cell += u'"';
                ++i;
            } else if (c == u'"') {
                quoted = false;
            } else {
                cell += c;
            }
        } else if (c == u'"') {
            quoted = true;
        } else if (c == u',') {
            row.append(cell);
            cell.clear();
        } else if (c == u'\n' || c == u'\r') {
            if (c == u'\r' && i + 1 < text.size() && text.at(i + 1) == u'\n')
                ++i;
            row.append(cell);
            cell.clear();
            rows.append(row);
            row.clear();
        } else {
            cell += c;
        }
    }
    if (!cell.isEmpty() || !row.isEmpty()) {
        row.append(cell);
        rows.append(row);
    }
    return rows;
}

} // namespace spreadsheet_reader
