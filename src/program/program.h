#pragma once

#include "ui/screens.h"

struct AppContext;

// The running program: the area screens, created once in their fixed order.
class Program {
public:
    explicit Program(AppContext& ctx);
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // Shows the login screen, alone.
    void start();
    Screens& screens() { return m_screens; }

private:
    AppContext& m_ctx;
    Screens m_screens;
};
