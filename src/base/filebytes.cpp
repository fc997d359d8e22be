#include "base/filebytes.h"

#include "base/apperror.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

#include <cstdio>

namespace FileBytes {

namespace {

AppError failure(const char *what, const QString &path, const QString &reason)
{
    return AppError(QString::fromUtf8(what) + QDir::toNativeSeparators(path) + QStringLiteral(": ") + reason);
}

} // namespace

QByteArray read(const QString &path)
{
    const bool standardInput = path == u"-";
    QFile file(standardInput ? QString() : path);
    const bool opened
        = standardInput ? file.open(stdin, QIODevice::ReadOnly) : file.open(QIODevice::ReadOnly);
    if (!opened)
        throw failure("不能读取文件 ", path, file.errorString());
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw failure("不能读取文件 ", path, file.errorString());
    return bytes;
}

void write(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw failure("不能写入文件 ", path, file.errorString());
}

void writeScratch(const QString &path, const QByteArray &bytes)
{
    // A new file in the old one's place: truncating a file written a moment
    // ago makes the file system write its old content out first.
    QFile::remove(path);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size()
        || !file.flush())
        throw failure("不能写入文件 ", path, file.errorString());
}

} // namespace FileBytes
