#pragma once

class QCoreApplication;
class QTranslator;

// Qt's own texts (message box and dialog buttons, file and print dialogs, the print preview)
// in Italian, like the rest of the program.
namespace qt_translations {

// The translator now active, owned by `app`; nullptr when Qt's Italian catalogue is not
// installed, and Qt's texts then stay in English.
QTranslator* install(QCoreApplication& app);

} // namespace qt_translations
