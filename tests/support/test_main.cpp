#include "support/test_registry.h"

#include "app/formats.h"

#include <QApplication>
#include <QTest>

namespace test_registry {

std::vector<std::pair<const char*, Factory>>& all() {
    static std::vector<std::pair<const char*, Factory>> tests;
    return tests;
}

} // namespace test_registry

// Usage: test_<suite> [ClassName] [Qt Test options...]
int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    formats::applyProcessWide();

    QStringList args = QCoreApplication::arguments();
    QString only;
    if (args.size() > 1 && !args.at(1).startsWith(u'-')) {
        only = args.takeAt(1);
    }
    int failures = 0;
    for (const auto& [name, factory] : test_registry::all()) {
        if (!only.isEmpty() && only != QLatin1String(name))
            continue;
        std::unique_ptr<QObject> test = factory();
        failures += QTest::qExec(test.get(), args);
    }
    return failures == 0 ? 0 : 1;
}
