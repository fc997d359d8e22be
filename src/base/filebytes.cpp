#include "base/filebytes.h"

#include "base/apperror.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSaveFile>

#include <cstdio>

namespace FileBytes {

namespace {

// What failed, with the file as %1 and the reason as %2.
const char *const CannotRead = QT_TRANSLATE_NOOP("FileBytes", "不能读取文件 %1: %2");
const char *const CannotWrite = QT_TRANSLATE_NOOP("FileBytes", "不能写入文件 %1: %2");

AppError failure(const char *what, const QString &path, const QString &reason)
{
    return AppError(
        QCoreApplication::translate("FileBytes", what).arg(QDir::toNativeSeparators(path), reason));
}

} // namespace

QByteArray read(const QString &path)
{
    const bool standardInput = path == u"-";
    QFile file(standardInput ? QString() : path);
    const bool opened
        = standardInput ? file.open(stdin, QIODevice::ReadOnly) : file.open(QIODevice::ReadOnly);
    if (!opened)
        throw failure(CannotRead, path, file.errorString());
    QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw failure(CannotRead, path, file.errorString());
    return bytes;
}

QString replaceContent(const QString &path, const QByteArray &bytes)
{
    // Unbuffered, so that a full disk or the file size limit fails the write
    // itself: QSaveFile::commit() puts the new file in place even when
    // flushing its own buffer failed, which left a short or empty file
    // behind a success.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) || !writeAll(file, bytes)) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return reason;
    }
    return file.commit() ? QString() : file.errorString();
}

void write(const QString &path, const QByteArray &bytes)
{
    const QString reason = replaceContent(path, bytes);
    if (!reason.isEmpty())
        throw failure(CannotWrite, path, reason);
}

bool writeAll(QFileDevice &file, const QByteArray &bytes)
{
    qint64 written = 0;
    while (written < bytes.size()) {
        const qint64 count = file.write(bytes.constData() + written, bytes.size() - written);
        if (count <= 0)
            return false;
        written += count;
    }
    return true;
}

void writeScratch(const QString &path, const QByteArray &bytes)
{
    // A new file in the old one's place: truncating a file written a moment
    // ago makes the file system write its old content out first.
    QFile::remove(path);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Unbuffered)
        || !writeAll(file, bytes)) {
        // No short file stays behind to be read as a damaged one.
        const QString reason = file.errorString();
        file.remove();
        throw failure(CannotWrite, path, reason);
    }
}

} // namespace FileBytes
