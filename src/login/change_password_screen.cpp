#include "login/change_password_screen.h"
#include "ui/fonts.h"
#include "ui/screen_parts.h"

#include "app/app_context.h"
#include "ui/artwork.h"
#include "ui/focus_frame.h"
#include "ui/data_folder_notice.h"
#include "login/password_screen.h"
#include "login/password_store.h"
#include "ui/return_chain.h"
#include "ui/screens.h"
#include "records/text_rules.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

const QString kWrongOld = QStringLiteral("Attenzione: vecchia password errata.");
const QString kNotConfirmed = QStringLiteral(
    "Attenzione: la nuova password non è stata confermata correttamente. "
    "E' necessario reinserire entrambi i valori.");
const QString kUnstorable = QStringLiteral(
    "Attenzione: la nuova password contiene il carattere \"%1\", che non può essere memorizzato.\n\r\n\r"
    "E' necessario reinserire entrambi i valori usando altri caratteri.");
const QString kDone = QStringLiteral("Modifica della password completata con successo.");
const QString kChangeError = QStringLiteral(
    "Attenzione: si è verificato un errore durante la procedura di modifica della password. "
    "Si consiglia di reinstallare il software.");

} // namespace

ChangePasswordScreen::ChangePasswordScreen(AppContext& ctx)
    : AreaScreen(ctx, QStringLiteral("frmCambiaPassword"), QStringLiteral(" Cambia password"),
                 Window::FixedCentred, QSize(411, 418)) {
    screen_parts::picture(
        this, QStringLiteral("imgLogo"), QRect(29, 12, 353, 148),
        art::padlock(
            QSize(353, 148), QStringLiteral("Cambia password"),
            QStringLiteral(
                "Per cambiare la password immetti i dati nei campi sottostanti e premi OK.")));

    m_old = addField(QStringLiteral("txtPasswordOld"), QStringLiteral("Vecchia password:"), 170);
    m_new = addField(QStringLiteral("txtPasswordNew"), QStringLiteral("Nuova password:"), 230);
    m_confirm = addField(QStringLiteral("txtConferma"), QStringLiteral("Conferma nuova password:"), 290);
    chainReturn({m_old, m_new, m_confirm});

    m_ok = new QPushButton(QStringLiteral("OK"), this);
    m_ok->setObjectName(QStringLiteral("cmdOK"));
    m_ok->setGeometry(29, 366, 170, 32);
    m_ok->setEnabled(false);

    auto* close = new QPushButton(QStringLiteral("Chiudi"), this);
    close->setObjectName(QStringLiteral("cmdEsci"));
    close->setGeometry(212, 366, 170, 32);

    m_memory = screen_parts::hiddenLabel(this, QStringLiteral("lblMemory"));

    connect(m_ok, &QPushButton::clicked, this, &ChangePasswordScreen::change);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
}

QLineEdit* ChangePasswordScreen::addField(const QString& name, const QString& caption, int y) {
    auto* label = new QLabel(caption, this);
    label->setGeometry(29, y, 353, 20);
    auto* field = new QLineEdit(this);
    field->setObjectName(name);
    field->setEchoMode(QLineEdit::Password);
    field->setFont(fonts::verdana(14, QFont::Bold));
    field->setGeometry(29, y + 22, 353, 32);
    addFocusFrame(field);
    connect(field, &QLineEdit::textChanged, this, &ChangePasswordScreen::updateOk);
    return field;
}

void ChangePasswordScreen::onShow() {
    m_old->clear();
    m_new->clear();
    m_confirm->clear();
    m_memory->clear();
    m_old->setFocus();
}

void ChangePasswordScreen::onClose() {
    auto* login = m_ctx.screens->area<PasswordScreen>(QStringLiteral("frmPassword"));
    login->resetForReturn();
    goTo(QStringLiteral("frmPassword"));
    login->focusPassword();
}

void ChangePasswordScreen::updateOk() {
    m_ok->setEnabled(!text::isBlank(m_old->text()) && !text::isBlank(m_new->text()) &&
                     !text::isBlank(m_confirm->text()));
}

void ChangePasswordScreen::change() {
    PasswordStore store(m_ctx.programDir);
    try {
        const QString stored = store.storedPassword();
        m_memory->setText(stored);
        if (PasswordStore::normalised(m_old->text()) != stored) {
            if (tellDataFolderProblem(m_ctx, this))
                return;
            m_ctx.dialogs->message(this, kWrongOld);
            m_old->clear();
            m_old->setFocus();
            return;
        }
        const auto askNewAgain = [this](const QString& why) {
            m_ctx.dialogs->message(this, why);
            m_new->clear();
            m_confirm->clear();
            m_new->setFocus();
        };
        if (text::trimmed(m_new->text()) != text::trimmed(m_confirm->text()))
            return askNewAgain(kNotConfirmed);
        // Refused here, or the stored password would differ from what the user types at login.
        if (const QString unstorable = PasswordStore::unstorableCharacter(m_new->text()); !unstorable.isEmpty())
            return askNewAgain(kUnstorable.arg(unstorable));
        store.setPassword(m_new->text());
    } catch (const PasswordStoreError&) {
        if (!tellDataFolderProblem(m_ctx, this))
            m_ctx.dialogs->message(this, kChangeError);
        return;
    }
    m_ctx.dialogs->message(this, kDone);
    close();
}
