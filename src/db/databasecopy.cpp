#include "db/databasecopy.h"

#include "db/connection.h"

#include <QFile>
#include <QFileInfo>

namespace {

const char *const JournalSuffixes[] = { "-wal", "-shm", "-journal" };

} // namespace

namespace DatabaseCopy {

bool copy(const QString &source, const QString &target)
{
    // What is posted may still lie in the write-ahead log beside the file.
    Connection::checkpointFile(source);
    for (const char *suffix : JournalSuffixes)
        QFile::remove(target + QLatin1String(suffix));
    return QFile::copy(source, target);
}

bool remove(const QString &path)
{
    if (Connection::isFileOpen(path))
        return false;
    if (!QFile::remove(path))
        return false;
    for (const char *suffix : JournalSuffixes)
        QFile::remove(path + QLatin1String(suffix));
    return true;
}

} // namespace DatabaseCopy
