#pragma once

#include <QString>

// Where the data folder (the program directory) is, how a new one is seeded, and whether a
// folder the user picks can hold the data. Pure rules apart from the few calls that look at
// the machine, so that the order can be tested without installing anything.
namespace data_folder {

// Where the folder in use came from, strongest first.
enum class Source { Option, Environment, Chosen, ExecutableFolder, PerUser };

struct Facts {
    QString option;      // --data-dir, empty when not given
    QString environment; // VESTRANO_DATA_DIR, empty when not set
    QString chosen;      // the folder the user picked in the program, remembered per user
    QString executableFolder;
    bool executableFolderWritable = false;
    // An installed copy (bin/ beside share/vestrano) never keeps data beside the executable,
    // not even when run by a user who may write there.
    bool installed = false;
    QString perUser; // the per-user data folder
};

struct Resolved {
    QString dir; // absolute, with a trailing separator
    Source source = Source::PerUser;
    // A folder named by the user or the system may be made; a remembered choice may not, so
    // that a network folder that is not mounted today is not silently replaced by an empty
    // local one.
    bool mayCreate = true;
};

Resolved resolve(const Facts& facts);

// The facts of this process: command-line value, environment, remembered choice, the
// executable's folder, the per-user folder. Needs the application object (names are set).
Facts gather(const QString& option, const QString& settingsFile);

// The per-user settings file that remembers the chosen folder.
QString userSettingsFile();
QString remembered(const QString& settingsFile);
// False when the settings file could not be written.
bool remember(const QString& settingsFile, const QString& dir);

// Where an installed copy keeps what is delivered with it (share/vestrano beside bin/),
// with a trailing separator; empty when the executable is not installed that way.
QString installedDir(const QString& executableFolder);
// Where the delivered files are: the installed copy's folder, else the executable's folder.
QString deliveredDir(const QString& executableFolder);

// Copies the delivered file `name` (the password store) into `dataDir` when it has none. Never
// replaces an existing file. False only when a copy was needed and failed.
bool seed(const QString& dataDir, const QString& deliveredDir, const QString& name,
          QString* error = nullptr);

// A file delivered with the program (the user guide): the data folder's own copy when there is
// one, else the delivered copy, else the data folder's path (which then does not exist).
QString deliveredFile(const QString& dataDir, const QString& deliveredDir, const QString& name);

// Empty when `dir` can hold the data; otherwise the Italian message that says why not.
QString problemWith(const QString& dir);

QString withSeparator(const QString& dir);

} // namespace data_folder
