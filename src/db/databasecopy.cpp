#include "db/databasecopy.h"

#include "base/apperror.h"
#include "base/newfile.h"
#include "base/workprogress.h"
#include "db/connection.h"

#include <QFile>
#include <QFileInfo>

#include <filesystem>

namespace DatabaseCopy {

void copy(const QString &source, const QString &target, WorkProgress *progress)
{
    // The engine writes the copy from what it sees through a connection of
    // its own: everything committed, also what still lies in the write-ahead
    // log, and the file itself is never opened behind the engine's back
    // (closing such a handle would drop the locks the program's connections
    // hold on it). The copy is made under a temporary name beside the
    // target, in a file of the user's usual permissions, and takes the
    // target's place only when complete: a full disk leaves the old target
    // as it was.
    QString partial;
    try {
        Connection connection;
        connection.open(source, {}, Connection::Access::ReadOnly);
        partial = NewFile::createTemporaryBeside(target);
        if (progress) {
            // The copy grows to about the size of the source (less any
            // free pages), so its size on disk tells how far it has come.
            const qint64 expected = qMax<qint64>(1, QFileInfo(source).size());
            const auto report = [progress, expected, &partial] {
                progress->advanced(qMin(QFileInfo(partial).size(), expected), expected);
            };
            report();
            connection.setStatementTick(report);
        }
        connection.execute(QStringLiteral("VACUUM INTO :Target"), { { QStringLiteral("Target"), partial } });
        if (Connection::isFileOpen(target))
            throw AppError(QStringLiteral("不能删除文件 ") + target);
        // The old target's journals would be taken for the new file's.
        Connection::removeJournals(target);
        // One rename replaces the old target: a crash leaves the old file or
        // the new one under the target's name, never none.
        std::error_code error;
        std::filesystem::rename(
            QFile::encodeName(partial).toStdString(), QFile::encodeName(target).toStdString(), error);
        if (error)
            throw AppError(QStringLiteral("不能把 %1 改名为 %2: %3")
                               .arg(partial, target, QString::fromLocal8Bit(error.message().c_str())));
        if (progress)
            progress->advanced(1, 1);
    } catch (const AppError &) {
        if (!partial.isEmpty())
            QFile::remove(partial);
        throw;
    }
}

bool remove(const QString &path)
{
    return Connection::removeFile(path);
}

} // namespace DatabaseCopy
