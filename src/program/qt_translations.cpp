#include "program/qt_translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace qt_translations {

QTranslator* install(QCoreApplication& app) {
    auto* translator = new QTranslator(&app);
    // "qt" is the catalogue that gathers qtbase and the other modules' texts.
    if (!translator->load(QLocale(QLocale::Italian, QLocale::Italy), QStringLiteral("qt"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return nullptr;
    }
    QCoreApplication::installTranslator(translator);
    return translator;
}

} // namespace qt_translations
