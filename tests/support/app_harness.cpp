#include "support/app_harness.h"

#include "ui/area_screen.h"
#include "login/password_store.h"
#include "ui/screens.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMouseEvent>

AppHarness::AppHarness() : AppHarness(QString()) {}

AppHarness::AppHarness(const QString& programDir) {
    m_temp.setAutoRemove(true);
    QDir(m_temp.path()).mkpath(QStringLiteral("printed"));
    m_printing = std::make_unique<PdfPrinting>(m_temp.path() + QStringLiteral("/printed"));
    QDir(m_temp.path()).mkpath(QStringLiteral("program"));
    m_ctx.programDir = programDir.isEmpty() ? m_temp.path() + QStringLiteral("/program/") : programDir;
    m_ctx.settingsFile = m_temp.path() + QStringLiteral("/settings.ini");
    m_ctx.clock = &m_clock;
    m_ctx.dialogs = &m_dialogs;
    m_ctx.shell = &m_shell;
    m_ctx.printing = m_printing.get();
    m_ctx.quit = [this] { ++m_quits; };
}

AppHarness::~AppHarness() {
    // Dialogs still open belong to their openers and go with them.
    m_program.reset();
}

void AppHarness::writeDeliveredPasswordStore() {
    fixtures::writeFile(path(QLatin1String(PasswordStore::kFileName)),
                        QByteArrayLiteral("[Accesso]\r\nValore=54FD055F4243285080D67FE73419\r\n"));
}

void AppHarness::start() {
    if (m_program)
        return;
    m_program = std::make_unique<Program>(m_ctx);
    m_program->start();
}

void AppHarness::startAtMainMenu() {
    start();
    m_program->screens().area(QStringLiteral("frmPassword"))->goTo(QStringLiteral("frmAvvio"));
}

void AppHarness::openArea(const QString& name) {
    startAtMainMenu();
    m_program->screens().area(QStringLiteral("frmAvvio"))->goTo(name);
    activate(screen(name));
}

QWidget* AppHarness::openCostYear(const QString& year) {
    const QString menu = QStringLiteral("frmMenuCosti");
    openArea(menu);
    control<QLineEdit>(menu, QStringLiteral("txtAnnoConsumi"))->setText(year);
    click(control(menu, QStringLiteral("btnApriConsumi")));
    QWidget* costs = screen(QStringLiteral("frmCosti"));
    if (!costs || !costs->isVisible())
        return nullptr;
    activate(costs);
    return costs;
}

QWidget* AppHarness::screen(const QString& name) const {
    if (m_program)
        if (AreaScreen* s = m_program->screens().area(name))
            return s;
    // Dialogs: the newest visible one of that name.
    const QWidgetList all = QApplication::topLevelWidgets();
    for (auto it = all.crbegin(); it != all.crend(); ++it)
        if ((*it)->objectName() == name && (*it)->isVisible())
            return *it;
    return nullptr;
}

QStringList AppHarness::visibleScreens() const {
    QStringList names;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && !w->objectName().isEmpty())
            names.append(w->objectName());
    names.sort();
    return names;
}

void AppHarness::click(QWidget* w) {
    QVERIFY2(w, "no such control");
    QVERIFY2(w->isVisible(), qPrintable(w->objectName() + QStringLiteral(" is not visible")));
    QVERIFY2(w->isEnabled(), qPrintable(w->objectName() + QStringLiteral(" is disabled")));
    QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier, w->rect().center());
}

void AppHarness::type(QWidget* w, const QString& text) {
    QVERIFY2(w, "no such control");
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i].unicode() < 0x80) {
            QTest::keyClick(w, text[i].toLatin1());
            continue;
        }
        // QTest knows keys for ASCII only; others (à, €, Greek...) come as a keyboard layout sends
        // them: no key code, just the text, both halves of a surrogate pair together.
        const qsizetype n = text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        const QString character = text.mid(i, n);
        QTest::sendKeyEvent(QTest::Press, w, Qt::Key_unknown, character, Qt::NoModifier);
        QTest::sendKeyEvent(QTest::Release, w, Qt::Key_unknown, character, Qt::NoModifier);
        i += n - 1;
    }
}

void AppHarness::hover(QWidget* w, QPoint at) {
    QVERIFY2(w, "no such control");
    QMouseEvent move(QEvent::MouseMove, QPointF(at), w->mapToGlobal(QPointF(at)), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(w, &move);
}

void AppHarness::press(QWidget* w, Qt::Key key, Qt::KeyboardModifiers modifiers) {
    QVERIFY2(w, "no such control");
    QTest::keyClick(w, key, modifiers);
}

void AppHarness::activate(QWidget* screen) {
    if (!screen)
        return;
    screen->activateWindow();
    QApplication::setActiveWindow(screen);
    QCoreApplication::processEvents();
}

QWidget* AppHarness::focused() {
    return QApplication::focusWidget();
}
