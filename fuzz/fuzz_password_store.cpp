// The password store as login reads it (INI text, scrambled value), and the scrambler alone.
#include "login/ini_text.h"
#include "login/password_store.h"
#include "login/scrambler.h"

#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static QTemporaryDir root;
    static quint64 run = 0;
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));

    (void)scrambler::unscramble(QString::fromLatin1(bytes));
    (void)scrambler::scramble(QString::fromLatin1(bytes));
    // The writer keeps every other line of whatever store it finds.
    (void)ini_text::withValue(QString::fromLatin1(bytes), u"Accesso", u"Valore", QStringLiteral("00"));

    // A fresh folder each time: an INI reader may remember a file it read under the same name.
    const QString dir = root.path() + QStringLiteral("/%1/").arg(++run);
    QDir().mkpath(dir);
    QFile store(dir + QLatin1String(PasswordStore::kFileName));
    if (store.open(QIODevice::WriteOnly) && store.write(bytes) == bytes.size()) {
        store.close();
        try {
            (void)PasswordStore(dir).storedPassword();
        } catch (const PasswordStoreError&) {
            // The login screen tells the user; only a crash is a finding here.
        }
    }
    QDir(dir).removeRecursively();
    return 0;
}
