#pragma once

#include <QByteArray>
#include <QString>

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

} // namespace FileBytes
