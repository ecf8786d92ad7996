#pragma once

#include "app/app_context.h"
#include "program/program.h"
#include "support/record_fixtures.h"
#include "support/scripted_dialogs.h"
#include "support/test_seams.h"

#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

#include <memory>

// Starts the whole program as a user meets it, on a fresh temporary program directory with
// a fixed "today", scripted prompts, a recording shell and printing to PDF.
class AppHarness {
public:
    AppHarness();
    // A second copy of the program on another harness's program directory (dir()), as two
    // copies share one folder.
    explicit AppHarness(const QString& programDir);
    ~AppHarness();

    // The program directory, with a trailing separator. Write fixtures here before start().
    QString dir() const { return m_ctx.programDir; }
    QString path(const QString& name) const { return m_ctx.programDir + name; }
    // Writes the password store as delivered with the program.
    void writeDeliveredPasswordStore();

    // Creates the area screens and shows the login screen.
    void start();
    // start() if needed, then straight to the main menu as after a correct password.
    void startAtMainMenu();
    // start() if needed, then opens an area from the main menu ("frmAutoparco" ...).
    void openArea(const QString& name);
    // openArea("frmMenuCosti"), `year` typed into the year field and "Apri" clicked, as the
    // user opens a cost year. The cost entry screen when it came up, else nullptr.
    QWidget* openCostYear(const QString& year);

    // An area screen, or a visible dialog screen, by its name; nullptr when there is none.
    QWidget* screen(const QString& name) const;
    template <class T = QWidget> T* control(const QString& screenName, const QString& controlName) const {
        QWidget* s = screen(screenName);
        if (!s)
            return nullptr;
        return s->findChild<T*>(controlName);
    }
    // The screens visible now, by name.
    QStringList visibleScreens() const;

    // User actions.
    static void click(QWidget* w);
    // Any text, € and other characters beyond Latin-1 included.
    static void type(QWidget* w, const QString& text);
    // The mouse moving over a widget (delivered directly: the offscreen platform has no pointer).
    static void hover(QWidget* w, QPoint at = {2, 2});
    static void press(QWidget* w, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    // Gives the window the keyboard so focus checks work on the offscreen platform.
    static void activate(QWidget* screen);
    static QWidget* focused();

    ScriptedDialogs& dialogs() { return m_dialogs; }
    FixedClock& clock() { return m_clock; }
    RecordingShell& shell() { return m_shell; }
    PdfPrinting& printing() { return *m_printing; }
    AppContext& context() { return m_ctx; }
    Program& program() { return *m_program; }
    int quitRequests() const { return m_quits; }

private:
    QTemporaryDir m_temp;
    FixedClock m_clock;
    ScriptedDialogs m_dialogs;
    RecordingShell m_shell;
    std::unique_ptr<PdfPrinting> m_printing;
    AppContext m_ctx;
    std::unique_ptr<Program> m_program;
    int m_quits = 0;
};
