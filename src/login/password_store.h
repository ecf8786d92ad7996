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
    // Stores `password` as typed: trimmed and upper-cased here. The file is replaced atomically.
    void setPassword(const QString& password);

    // How a typed password is compared with the stored one.
    static QString normalised(const QString& typed);

private:
    QString m_path;
};
