#pragma once

#include "app/clock.h"
#include "app/dialogs.h"
#include "app/printing.h"
#include "app/shell.h"

#include <QString>

#include <functional>

class Screens;

// Everything outside the process, handed to every screen. Tests swap each seam.
struct AppContext {
    QString programDir; // with a trailing separator
    // Where the files delivered with the program are (user guide, password store), with a
    // trailing separator; empty when there is no such folder.
    QString deliveredDir;
    // The per-user settings file that remembers the data folder chosen in the program; empty
    // when nothing is to be remembered.
    QString settingsFile;
    Clock* clock = nullptr;
    Dialogs* dialogs = nullptr;
    Shell* shell = nullptr;
    Printing* printing = nullptr;
    std::function<void()> quit;
    Screens* screens = nullptr;

    QString path(const QString& fileName) const { return programDir + fileName; }
};
