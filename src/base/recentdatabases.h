#pragma once

#include <QString>
#include <QStringList>

// The databases opened last, newest first, as 文件 › 最近打开的文件 lists
// them. They are kept in config.ini (section "RecentFiles", keys "File1" to
// "File8") as location texts: a file's path, or a server database's address
// once the program opens those, so that one list holds both.
namespace RecentDatabases {

constexpr int MaxEntries = 8;

// The list as config.ini holds it now; empty entries and repeats left out.
QStringList read();

// Puts the location at the top of the list (moving it there when it is
// listed already) and keeps the newest eight. Nothing is written when
// config.ini could not be read in this run (the user has been told).
// Throws AppError when the file cannot be written.
void add(const QString &location);

// Takes the location off the list. Throws AppError as add() does.
void remove(const QString &location);

// Whether the location names a server database rather than a file.
bool isServerLocation(const QString &location);

// The text the menu shows: a file's path as it is, a server address
// without its password.
QString displayText(const QString &location);

} // namespace RecentDatabases
