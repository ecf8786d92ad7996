#include "backup/backup_errors.h"

#include <zip.h>

#include <cerrno>

namespace backup {

QString systemReason(int errnum) {
    switch (errnum) {
    case ENOSPC:
    case EFBIG:
    case EDQUOT:
        return QStringLiteral("spazio su disco esaurito");
    case EACCES:
    case EPERM:
        return QStringLiteral("accesso negato");
    case EROFS:
        return QStringLiteral("il disco è di sola lettura");
    case ENOENT:
        return QStringLiteral("file o cartella inesistente");
    case EISDIR:
        return QStringLiteral("al posto del file c'è una cartella");
    case EIO:
        return QStringLiteral("errore di lettura o scrittura sul disco");
    case EMFILE:
    case ENFILE:
        return QStringLiteral("troppi file aperti");
    case ENOMEM:
        return QStringLiteral("memoria insufficiente");
    default:
        return QStringLiteral("errore di sistema %1").arg(errnum);
    }
}

QString zipReason(int zipCode, int systemCode) {
    switch (zipCode) {
    case ZIP_ER_WRITE:
    case ZIP_ER_CLOSE:
    case ZIP_ER_TMPOPEN:
    case ZIP_ER_RENAME:
    case ZIP_ER_REMOVE:
    case ZIP_ER_SEEK:
    case ZIP_ER_READ:
    case ZIP_ER_OPEN:
        return systemCode != 0 ? systemReason(systemCode) : QStringLiteral("errore di lettura o scrittura");
    case ZIP_ER_CRC:
        return QStringLiteral("dati danneggiati (controllo CRC non superato)");
    case ZIP_ER_NOZIP:
    case ZIP_ER_INCONS:
    case ZIP_ER_COMPNOTSUPP:
    case ZIP_ER_ZLIB:
    case ZIP_ER_EOF:
        return QStringLiteral("il file non è un archivio zip integro");
    case ZIP_ER_NOENT:
        return QStringLiteral("file inesistente");
    case ZIP_ER_MEMORY:
        return QStringLiteral("memoria insufficiente");
    default:
        return QStringLiteral("errore dell'archivio zip %1").arg(zipCode);
    }
}

QString zipReason(const zip_error_t* error) {
    auto* e = const_cast<zip_error_t*>(error);
    const int system = zip_error_system_type(e) == ZIP_ET_SYS ? zip_error_code_system(e) : 0;
    return zipReason(zip_error_code_zip(e), system);
}

} // namespace backup
