#include "login/password_screen.h"
#include "ui/fonts.h"
#include "ui/screen_parts.h"

#include "app/app_context.h"
#include "ui/artwork.h"
#include "ui/data_folder_choice.h"
#include "ui/focus_frame.h"
#include "ui/data_folder_notice.h"
#include "login/password_store.h"
#include "records/text_rules.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

const QString kWrongPassword = QStringLiteral("Attenzione: password errata.");
const QString kReadError = QStringLiteral(
    "Attenzione: si è verificato un errore durante la procedura di lettura della password. "
    "Si consiglia di reinstallare il software.");

} // namespace

PasswordScreen::PasswordScreen(AppContext& ctx)
    : AreaScreen(ctx, QStringLiteral("frmPassword"), QStringLiteral(" Vestrano 3.0 - Accesso"),
                 Window::FixedCentred, QSize(388, 405)) {
    screen_parts::picture(
        this, QStringLiteral("imgLogo"), QRect(30, 14, 328, 160),
        art::padlock(QSize(328, 160), QStringLiteral("Password"),
                     QStringLiteral("Proteggi l'accesso all'app con una password di tua scelta."),
                     QStringLiteral("Password per il primo accesso: bicchierelungo")));

    auto* prompt = new QLabel(QStringLiteral("Immetti la password e premi OK."), this);
    prompt->setObjectName(QStringLiteral("lblRigo05"));
    prompt->setGeometry(30, 190, 328, 22);

    m_password = new QLineEdit(this);
    m_password->setObjectName(QStringLiteral("txtPassword"));
    m_password->setEchoMode(QLineEdit::Password);
    m_password->setFont(fonts::verdana(14, QFont::Bold));
    m_password->setGeometry(30, 218, 328, 34);
    addFocusFrame(m_password);

    m_ok = new QPushButton(QStringLiteral("OK"), this);
    m_ok->setObjectName(QStringLiteral("cmdOK"));
    m_ok->setGeometry(30, 280, 155, 32);
    m_ok->setEnabled(false);

    auto* exit = new QPushButton(QStringLiteral("Esci"), this);
    exit->setObjectName(QStringLiteral("cmdEsci"));
    exit->setGeometry(203, 280, 155, 32);

    auto* change = new QPushButton(QStringLiteral("Cambia password"), this);
    change->setObjectName(QStringLiteral("btnCambiaPassword"));
    change->setGeometry(30, 330, 328, 32);

    auto* folder = new DataFolderChoice(ctx, QLatin1String(PasswordStore::kFileName), this);
    folder->setGeometry(30, 372, 328, 22);
    connect(folder, &DataFolderChoice::changed, this, [this] {
        resetForReturn();
        m_password->setFocus();
    });

    m_memory = screen_parts::hiddenLabel(this, QStringLiteral("lblMemory"));

    connect(m_password, &QLineEdit::textChanged, this, &PasswordScreen::updateOk);
    connect(m_password, &QLineEdit::returnPressed, this, [this] {
        if (!text::isBlank(m_password->text()))
            checkPassword();
    });
    connect(m_ok, &QPushButton::clicked, this, &PasswordScreen::checkPassword);
    connect(exit, &QPushButton::clicked, this, &QWidget::close);
    connect(change, &QPushButton::clicked, this, [this] { goTo(QStringLiteral("frmCambiaPassword")); });
}

void PasswordScreen::onShow() {
    m_password->setFocus();
}

void PasswordScreen::onClose() {
    m_ctx.quit();
}

void PasswordScreen::resetForReturn() {
    m_password->clear();
    m_memory->clear();
}

void PasswordScreen::focusPassword() {
    m_password->setFocus();
}

void PasswordScreen::updateOk() {
    m_ok->setEnabled(!text::isBlank(m_password->text()));
}

void PasswordScreen::checkPassword() {
    QString stored;
    try {
        stored = PasswordStore(m_ctx.programDir).storedPassword();
    } catch (const PasswordStoreError&) {
        if (!tellDataFolderProblem(m_ctx, this))
            m_ctx.dialogs->message(this, kReadError);
        return;
    }
    m_memory->setText(stored);
    if (PasswordStore::normalised(m_password->text()) == stored) {
        goTo(QStringLiteral("frmAvvio"));
        emit accepted();
        return;
    }
    // A folder the program cannot use has no store to match: the password is not to blame.
    if (tellDataFolderProblem(m_ctx, this)) {
        m_password->setFocus();
        return;
    }
    m_ctx.dialogs->message(this, kWrongPassword);
    m_password->clear();
    m_password->setFocus();
}
