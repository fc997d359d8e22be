#pragma once

#include <QString>
#include <QStringList>

namespace ProgramFolders {

// The folders under AppDir, in the order start-up creates them.
QStringList names();

// Creates every missing folder under appDir, in order. Throws AppError
// naming the first folder that cannot be created.
void ensure(const QString &appDir);

// The program folder: $APPRAISAL_HOME when set, else the executable's
// folder; absolute, without a trailing separator.
QString resolveAppDir();

} // namespace ProgramFolders
