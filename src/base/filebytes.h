#pragma once

#include <QByteArray>
#include <QString>

class QFileDevice;

// Whole files read and written in one go, with the reason in the message
// when the system refuses.
namespace FileBytes {

// The whole content of a file; "-" reads standard input. Throws AppError
// "不能读取文件 <path>: <reason>".
QByteArray read(const QString &path);

// Writes the bytes, replacing an existing file only once the new content is
// complete: a failure leaves the old file as it was. Throws AppError
// "不能写入文件 <path>: <reason>".
void write(const QString &path, const QByteArray &bytes);

// What write does, with the system's reason for a failure as the value
// (empty on success), for callers that word the message themselves.
QString replaceContent(const QString &path, const QByteArray &bytes);

// Writes every byte to a file opened unbuffered. A write that stops short
// is tried again with the rest, so that the file's errorString() gives the
// system's reason (Qt reports a partial write without one).
bool writeAll(QFileDevice &file, const QByteArray &bytes);

// Writes the bytes as the whole content of a new file in place of any file
// at the path, without waiting for them to reach the disk: for scratch
// files that the program writes afresh whenever it needs them, such as page
// files. Throws AppError "不能写入文件 <path>: <reason>".
void writeScratch(const QString &path, const QByteArray &bytes);

} // namespace FileBytes
