#include "db/databasecopy.h"

#include "app/apperror.h"
#include "db/connection.h"

#include <QFile>
#include <QTemporaryFile>

namespace DatabaseCopy {

bool copy(const QString &source, const QString &target)
{
    // The engine writes the copy from what it sees through a connection of
    // its own: everything committed, also what still lies in the write-ahead
    // log, and the file itself is never opened behind the engine's back
    // (closing such a handle would drop the locks the program's connections
    // hold on it). The copy is made under a temporary name beside the
    // target and takes the target's name only when complete.
    try {
        Connection connection;
        connection.open(source, {}, Connection::Access::ReadOnly);
        QTemporaryFile partial(target + QStringLiteral(".XXXXXX.tmp"));
        if (!partial.open())
            return false;
        partial.close();
        connection.execute(
            QStringLiteral("VACUUM INTO :Target"), { { QStringLiteral("Target"), partial.fileName() } });
        Connection::removeJournals(target);
        if (!QFile::rename(partial.fileName(), target))
            return false;
        partial.setAutoRemove(false);
        return true;
    } catch (const AppError &) {
        return false;
    }
}

bool remove(const QString &path)
{
    return Connection::removeFile(path);
}

} // namespace DatabaseCopy
