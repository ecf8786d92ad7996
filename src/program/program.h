#pragma once

#include "ui/screens.h"

#include <memory>

class BackupRunner;
class KeyboardHabits;
struct AppContext;

// The running program: the area screens, created once in their fixed order.
class Program {
public:
    explicit Program(AppContext& ctx);
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // Shows the login screen, alone.
    void start();
    Screens& screens() { return m_screens; }
    BackupRunner& backups() { return *m_backups; }

private:
    AppContext& m_ctx;
    // Outlives the screens; its destructor waits for a backup still running.
    std::unique_ptr<BackupRunner> m_backups;
    Screens m_screens;
    std::unique_ptr<KeyboardHabits> m_keyboard;
};
