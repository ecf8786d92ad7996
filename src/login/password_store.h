#pragma once

#include <QString>

#include <stdexcept>

class PasswordStoreError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// unins000.dll: an INI file holding the scrambled password as [Accesso] Valore=<hex>.
class PasswordStore {
public:
    static constexpr const char* kFileName = "unins000.dll";

    explicit PasswordStore(const QString& programDir);

    // The stored password, unscrambled and trimmed; empty when there is no store or value.
    // Throws PasswordStoreError when the store cannot be read or the value is not hexadecimal.
    QString storedPassword() const;
    // Stores `password` as typed: trimmed and upper-cased here. The rest of the store is kept;
    // the file is replaced atomically, so a failed write leaves the old store as it was.
    // Throws PasswordStoreError when the store cannot be read or written.
    void setPassword(const QString& password);

    // The first character of a typed password that the store cannot keep (it holds one
    // Windows-1252 byte per character); empty when every character can be kept.
    static QString unstorableCharacter(const QString& typed);

    // How a typed password is compared with the stored one.
    static QString normalised(const QString& typed);

private:
    // The store's text; empty when there is no store.
    QString readText() const;

    QString m_path;
};
