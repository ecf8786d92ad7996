#pragma once

#include <QString>

// Asks the desktop to open a path, a "mailto:" address or a web address with its program.
// The result is ignored and a failure shows nothing.
class Shell {
public:
    virtual ~Shell() = default;
    virtual void open(const QString& target) = 0;
};

class DesktopShell : public Shell {
public:
    void open(const QString& target) override;
};
