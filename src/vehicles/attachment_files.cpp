#include "vehicles/attachment_files.h"

#include "records/text_rules.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

namespace attachment_files {

QString folderIn(const QString& programDir) {
    return programDir + QLatin1String(kFolder);
}

QString bareName(const QString& stored) {
    const QString name = text::trimmed(stored);
    const qsizetype cut = std::max(name.lastIndexOf(u'/'), name.lastIndexOf(u'\\'));
    const QString bare = text::trimmed(name.mid(cut + 1));
    if (bare == QLatin1String(".") || bare == QLatin1String(".."))
        return {};
    return bare;
}

QString pathFor(const QString& programDir, const QString& stored) {
    const QString bare = bareName(stored);
    if (bare.isEmpty())
        return {};
    return folderIn(programDir) + u'/' + bare;
}

bool ensureFolder(const QString& programDir) {
    return QDir().mkpath(folderIn(programDir));
}

bool copyReplacing(const QString& source, const QString& target) {
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return false;
    QSaveFile out(target);
    if (!out.open(QIODevice::WriteOnly))
        return false;
    QByteArray block;
    while (!(block = in.read(1 << 20)).isEmpty()) {
        if (out.write(block) != block.size()) {
            out.cancelWriting();
            return false;
        }
    }
    if (in.error() != QFileDevice::NoError) {
        out.cancelWriting();
        return false;
    }
    return out.commit();
}

} // namespace attachment_files
