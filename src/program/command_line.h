#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

// The command line: starting the program, --help and --version, and the headless verbs that
// scheduled jobs run without a window. Every verb shares one exit convention.
namespace command_line {

inline constexpr int kDone = 0;
inline constexpr int kFailed = 1; // with one Italian line on standard error saying why
inline constexpr int kUsage = 2;  // with the usage on standard error

// What a headless verb is handed.
struct VerbRequest {
    QString dataDir; // the data folder, resolved as for the program, with a trailing separator
    QString value;   // the option's value, empty for a verb without one
};

// A job run without a window or a display (under QCoreApplication). `run` returns one of the
// exit codes above; on failure it prints its one line through failed().
struct HeadlessVerb {
    QString name;        // the long option, without the dashes
    QString valueName;   // empty for a verb that takes no value
    QString description; // Italian, for --help
    std::function<int(const VerbRequest&)> run;
};

// The verbs the program knows, in the order --help lists them.
const std::vector<HeadlessVerb>& headlessVerbs();

// Prints `line` on standard error and returns kFailed.
int failed(const QString& line);

enum class Action { Start, Help, Version, UsageError, Verb };

struct Request {
    Action action = Action::Start;
    QString error; // for UsageError: what was wrong, in Italian
    QString dataDir;
    QString screenshot;
    bool reportShown = false;
    QString checkLogin; // a password to type at the login screen, for the package check
    const HeadlessVerb* verb = nullptr;
    QString verbValue;
};

// `arguments` includes the program name first, as QCoreApplication::arguments() has it.
Request parse(const QStringList& arguments, const std::vector<HeadlessVerb>& verbs = headlessVerbs());

QString helpText(const std::vector<HeadlessVerb>& verbs = headlessVerbs());
QString versionText();

} // namespace command_line
