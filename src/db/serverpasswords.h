#pragma once

#include "base/apperror.h"

#include <QString>

// The passwords given for server databases in this run of the program, held
// in memory only: never written to config.ini, a log or any file. A location
// whose URL has no password of its own is opened with the one given here,
// or else with what libpq finds itself (~/.pgpass, PGPASSFILE, PGPASSWORD).
namespace ServerPasswords {

// The password for the server database at location (a URL; its own
// password, if any, plays no part in the key).
void set(const QString &location, const QString &password);
// The password given for location, or an empty text.
QString find(const QString &location);
// Forgets the password given for location.
void forget(const QString &location);

} // namespace ServerPasswords

// Opening a server database failed because the server wants a password that
// was not given, or refused the one given. The message has the server's
// reason.
class ServerPasswordNeeded : public AppError
{
public:
    using AppError::AppError;
};
