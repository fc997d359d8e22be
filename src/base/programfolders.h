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

// The read-only share folder of the installation: <prefix>/share beside the
// executable's bin folder, so that an installed, unpacked or moved copy and
// the build tree (which mirrors that layout) all find it.
QString shareDir(const QString &executableDir);
// The same for the running process.
QString shareDir();

// The program's shared data under a share folder: house-appraisal.
QString sharedDataDir(const QString &shareDir);
// The same beside the running process.
QString sharedDataDir();

// The start page of the user manual under a share folder.
QString manualStartPage(const QString &shareDir);

// The clause library the program reads: the user's own copy
// Resource/ApprStandar.mdb under appDir when there is one, otherwise the one
// in the shared data folder, which each new package brings up to date.
QString clauseLibrary(const QString &appDir, const QString &sharedDir);

// The files a program folder receives from the shared data, relative to
// AppDir; in the shared folder each lies under its file name alone.
QStringList seededFiles();

// Copies every seeded file that appDir lacks from sharedDir, leaving any
// existing copy alone, and makes the copies writable by their owner. Tries
// every file; then throws AppError with one line per file that could not
// be put in place.
void seed(const QString &appDir, const QString &sharedDir);

// Earlier versions copied the clause library into every program folder,
// where it would hide the updates of later packages. A copy that is still
// byte for byte the shared library is such a copy, never changed by the
// user: it is removed, and the shared library is read in its place. A copy
// that differs, or cannot be read, is the user's own and stays.
void removeUnchangedLibraryCopy(const QString &appDir, const QString &sharedDir);

} // namespace ProgramFolders
