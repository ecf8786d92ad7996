#include "vehicles/attachment_files.h"

#include "records/cp1252.h"
#include "records/text_rules.h"
#include "vehicles/vehicle_record.h"

#include <QDir>

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

bool ensureFolder(const QString& programDir, QString* error) {
    if (QDir().mkpath(folderIn(programDir)))
        return true;
    if (error)
        *error = QStringLiteral("impossibile creare la cartella %1").arg(QDir::toNativeSeparators(folderIn(programDir)));
    return false;
}

int nameCapacity() {
    return TSchedaVeicolo::layout().field(TSchedaVeicolo::File01).capacity;
}

NameFit nameFit(const QString& fileName) {
    const QString name = text::trimmed(fileName);
    if (cp1252::decode(cp1252::encode(name)) != name || bareName(name) != name)
        return NameFit::Characters;
    if (name.size() > nameCapacity())
        return NameFit::TooLong;
    return NameFit::Fits;
}

} // namespace attachment_files
