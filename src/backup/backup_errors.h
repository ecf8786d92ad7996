#pragma once

#include <QString>

typedef struct zip_error zip_error_t;

// Reasons told to the user, in Italian, for failures of the system and of the zip library.
namespace backup {

QString systemReason(int errnum);
QString zipReason(const zip_error_t* error);
QString zipReason(int zipCode, int systemCode);

} // namespace backup
