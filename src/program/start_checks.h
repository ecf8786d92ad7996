#pragma once

#include <QString>

class Program;

// Ways to look at a started program from outside without a person: benchmarks, the first-screen
// picture of `./build.sh run` on a machine without a display, and the package check.
namespace start_checks {

// Prints `line` at once, for whoever watches the output while the program runs.
void say(const char* line);
// Prints "shown" once the login screen first reaches the screen.
void reportWhenShown(Program& program);
// Saves a picture of the whole screen to `file` shortly after start, then ends the program.
void screenshotAndQuit(const QString& file);
// Types `password` at the login screen and presses OK; prints what it saw and ends the
// program with 0 when the main menu opened, 1 otherwise.
void checkLoginAndQuit(Program& program, const QString& password);

} // namespace start_checks
