#pragma once

#include <QString>

// New files as the user's other programs make them: readable and writable
// by everyone the user's umask lets through (mode 0666 less the umask), not
// the owner-only mode of a temporary file.
namespace NewFile {

// Creates an empty file under a new name beside path ("<path>.<random>.tmp")
// and returns that name; a file written there and renamed into place keeps
// the new file's permissions. Throws AppError with the system's reason when
// the file cannot be created.
QString createTemporaryBeside(const QString &path);

} // namespace NewFile
