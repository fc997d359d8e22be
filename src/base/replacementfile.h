#pragma once

#include <QString>
#include <QTemporaryFile>

// A file that replaces the file at its path only when it is complete: it is
// written under a temporary name beside the path and renamed into place by
// commit() once its content has reached the disk. Left uncommitted, the
// temporary file is removed.
class ReplacementFile
{
public:
    // Throws AppError when the temporary file cannot be created.
    explicit ReplacementFile(const QString &path);

    QString temporaryName() const { return m_temporary.fileName(); }
    // Throws AppError when the file cannot be put in place.
    void commit();

private:
    QString m_path;
    QTemporaryFile m_temporary;
};
