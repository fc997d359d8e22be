#include "db/databasecopy.h"

#include "base/apperror.h"
#include "base/newfile.h"
#include "db/connection.h"

#include <QFile>

namespace DatabaseCopy {

bool copy(const QString &source, const QString &target)
{
    // The engine writes the copy from what it sees through a connection of
    // its own: everything committed, also what still lies in the write-ahead
    // log, and the file itself is never opened behind the engine's back
    // (closing such a handle would drop the locks the program's connections
    // hold on it). The copy is made under a temporary name beside the
    // target, in a file of the user's usual permissions, and takes the
    // target's name only when complete.
    QString partial;
    try {
        Connection connection;
        connection.open(source, {}, Connection::Access::ReadOnly);
        partial = NewFile::createTemporaryBeside(target);
        connection.execute(QStringLiteral("VACUUM INTO :Target"), { { QStringLiteral("Target"), partial } });
        Connection::removeJournals(target);
        if (QFile::rename(partial, target))
            return true;
    } catch (const AppError &) {
        // reported as a refused copy, below
    }
    if (!partial.isEmpty())
        QFile::remove(partial);
    return false;
}

bool remove(const QString &path)
{
    return Connection::removeFile(path);
}

} // namespace DatabaseCopy
