#include "login/password_store.h"

#include "login/scrambler.h"
#include "records/text_rules.h"

#include <QFileInfo>
#include <QSettings>

namespace {

const QString kKey = QStringLiteral("Accesso/Valore");

} // namespace

PasswordStore::PasswordStore(const QString& programDir) : m_path(programDir + QLatin1String(kFileName)) {}

QString PasswordStore::normalised(const QString& typed) {
    return text::trimmed(text::upperAZ(typed));
}

QString PasswordStore::storedPassword() const {
    const QFileInfo info(m_path);
    if (info.exists() && (!info.isFile() || !info.isReadable()))
        throw PasswordStoreError("store cannot be read");
    QSettings ini(m_path, QSettings::IniFormat);
    const QVariant raw = ini.value(kKey, QString());
    // An unquoted comma makes the INI reader split the value; it is still one (bad) text.
    const QString value = raw.typeId() == QMetaType::QStringList ? raw.toStringList().join(u',')
                                                                 : raw.toString();
    if (ini.status() != QSettings::NoError)
        throw PasswordStoreError("store cannot be read");
    const auto plain = scrambler::unscramble(value);
    if (!plain)
        throw PasswordStoreError("value is not hexadecimal");
    return text::trimmed(*plain);
}

void PasswordStore::setPassword(const QString& password) {
    if (QFileInfo(m_path).isDir())
        throw PasswordStoreError("store path is a folder");
    QSettings ini(m_path, QSettings::IniFormat);
    ini.setAtomicSyncRequired(true); // written through a temporary file, never half
    ini.setValue(kKey, scrambler::scramble(normalised(password)));
    ini.sync();
    if (ini.status() != QSettings::NoError)
        throw PasswordStoreError("store cannot be written");
}
