#include "support/pdf_reader.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QXmlStreamReader>

namespace pdf {

namespace {

QByteArray run(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0)
        qFatal("%s failed on %s", qPrintable(program), qPrintable(arguments.join(u' ')));
    return process.readAllStandardOutput();
}

} // namespace

QStringList pages(const QString& file) {
    const QString text = QString::fromUtf8(
        run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), file, QStringLiteral("-")}));
    QStringList result = text.split(u'\f');
    if (!result.isEmpty() && result.last().trimmed().isEmpty())
        result.removeLast(); // the form feed after the last page
    return result;
}

QList<Word> words(const QString& file) {
    const QByteArray xml =
        run(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), file, QStringLiteral("-")});
    constexpr double kMmPerPoint = 25.4 / 72.0;
    QList<Word> result;
    QXmlStreamReader reader(xml);
    int page = -1;
    while (!reader.atEnd()) {
        if (reader.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (reader.name() == QLatin1String("page")) {
            ++page;
        } else if (reader.name() == QLatin1String("word")) {
            const auto a = reader.attributes();
            const double x0 = a.value(QLatin1String("xMin")).toDouble() * kMmPerPoint;
            const double y0 = a.value(QLatin1String("yMin")).toDouble() * kMmPerPoint;
            const double x1 = a.value(QLatin1String("xMax")).toDouble() * kMmPerPoint;
            const double y1 = a.value(QLatin1String("yMax")).toDouble() * kMmPerPoint;
            result.append(
                {reader.readElementText(), QRectF(QPointF(x0, y0), QPointF(x1, y1)), page});
        }
    }
    return result;
}

QStringList toPng(const QString& file, const QString& prefix, int dpi) {
    run(QStringLiteral("pdftoppm"),
        {QStringLiteral("-png"), QStringLiteral("-r"), QString::number(dpi), file, prefix});
    const QFileInfo info(prefix);
    QStringList found =
        QDir(info.absolutePath())
            .entryList({info.fileName() + QStringLiteral("-*.png")}, QDir::Files, QDir::Name);
    for (QString& name : found)
        name = info.absolutePath() + u'/' + name;
    return found;
}

} // namespace pdf
