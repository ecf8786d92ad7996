#pragma once

#include "app/formats.h"

#include <QApplication>
#include <QByteArray>

namespace bench {

// The application every screen benchmark runs in: offscreen unless a display was asked for, and
// kept alive while screens open and close between runs, with the program's formats.
class Application : public QApplication {
public:
    Application(int& argc, char** argv) : QApplication((offscreenUnlessSet(), argc), argv) {
        setQuitOnLastWindowClosed(false);
        formats::applyProcessWide();
    }

private:
    static void offscreenUnlessSet() {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
    }
};

} // namespace bench
