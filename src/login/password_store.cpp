#include "login/password_store.h"

#include "login/ini_text.h"
#include "login/scrambler.h"
#include "records/cp1252.h"
#include "records/text_rules.h"
#include "records/whole_file_save.h"

#include <QFile>
#include <QFileInfo>

namespace {

const QString kSection = QStringLiteral("Accesso");
const QString kKey = QStringLiteral("Valore");
// A store holds a few dozen bytes; anything far larger is not one.
constexpr qint64 kMaxStoreSize = 64 * 1024;

} // namespace

PasswordStore::PasswordStore(const QString& programDir) : m_path(programDir + QLatin1String(kFileName)) {}

QString PasswordStore::normalised(const QString& typed) {
    return text::trimmed(text::upperAZ(typed));
}

QString PasswordStore::unstorableCharacter(const QString& typed) {
    return cp1252::firstUnheld(normalised(typed));
}

QString PasswordStore::readText() const {
    const QFileInfo info(m_path);
    if (!info.exists() && !info.isSymLink())
        return QString();
    // Only a regular file is read: a pipe in its place would block the program.
    if (!info.isFile())
        throw PasswordStoreError("store is not a file");
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly))
        throw PasswordStoreError("store cannot be read");
    const QByteArray bytes = file.read(kMaxStoreSize + 1);
    if (file.error() != QFileDevice::NoError || bytes.size() > kMaxStoreSize)
        throw PasswordStoreError("store cannot be read");
    return cp1252::decode(bytes);
}

QString PasswordStore::storedPassword() const {
    const QString value = ini_text::value(readText(), kSection, kKey).value_or(QString());
    const auto plain = scrambler::unscramble(value);
    if (!plain)
        throw PasswordStoreError("value is not hexadecimal");
    return text::trimmed(*plain);
}

void PasswordStore::setPassword(const QString& password) {
    const QString text =
        ini_text::withValue(readText(), kSection, kKey, scrambler::scramble(normalised(password)));
    if (!saveWholeFile(m_path, cp1252::encode(text)))
        throw PasswordStoreError("store cannot be written");
}
