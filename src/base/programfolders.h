#pragma once

#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

namespace ProgramFolders {

// The folders under AppDir, in the order start-up creates them.
QStringList names();

// Creates every missing folder under appDir, in order. Throws AppError
// naming the first folder that cannot be created.
void ensure(const QString &appDir);

// The file CMake writes beside the executables of a build tree. An
// executable with this file beside it keeps its program folder there.
inline const QString BuildTreeMarker = QStringLiteral("house-appraisal.build-tree");

bool isBuildTree(const QString &executableDir);

// The program folder, absolute, without a trailing separator:
// $APPRAISAL_HOME when set; the executable's folder in a build tree;
// otherwise the per-user data folder $XDG_DATA_HOME/house-appraisal
// (~/.local/share/house-appraisal when XDG_DATA_HOME is unset or relative).
// An installed copy thus never writes beside its executable. Throws
// AppError when the per-user folder is needed and HOME is empty or relative.
QString resolveAppDir(const QProcessEnvironment &environment, const QString &executableDir);
// The same for the running process.
QString resolveAppDir();

// The program's shared, read-only data (sample database, clause library):
// share/house-appraisal beside the executable's bin folder, so that an
// installed, unpacked or moved copy and the build tree all find it.
QString sharedDataDir(const QString &executableDir);
QString sharedDataDir();

// The files a program folder receives from the shared data, relative to
// AppDir; in the shared folder each lies under its file name alone.
QStringList seededFiles();

// Copies every seeded file that appDir lacks from sharedDir, leaving any
// existing copy alone, and makes the copies writable by their owner. Tries
// every file; then throws AppError with one line per file that could not
// be put in place.
void seed(const QString &appDir, const QString &sharedDir);

} // namespace ProgramFolders
