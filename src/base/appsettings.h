#pragma once

#include "base/appraisalstandard.h"

#include <QString>

// The program's own settings in config.ini (sections "Commond" and "Misc";
// the section name is spelled that way in every existing file).

struct TAppSettings
{
    int AutoSaveTime = 5; // minutes; stored and edited, nothing acts on it
    bool AutoOpenItem = true; // reopen the database closed last at start-up
    bool IsPrintSoftMess = true; // print the product mark on report pages
    // The standard that grades a new report.
    AppraisalStandard DefaultGradeStandard = AppraisalStandard::Jgj125_2016;
};

namespace SettingsKeys {
inline const QString Commond = QStringLiteral("Commond");
inline const QString Misc = QStringLiteral("Misc");
inline const QString AutoSaveTime = QStringLiteral("AutoSaveTime");
inline const QString AutoOpenItem = QStringLiteral("AutoOpenItem");
inline const QString OpenFileName = QStringLiteral("OpenFileName");
inline const QString IsPrintSoftMess = QStringLiteral("IsPrintSoftMess");
// "1999" or "2016"; anything else counts as missing.
inline const QString DefaultGradeStandard = QStringLiteral("DefaultGradeStandard");
} // namespace SettingsKeys

// A database path as config.ini keeps it, and back: a path that code page
// 936 or one line of the file cannot carry is kept as a file URL that reads
// back exactly. Any other location text (a server address) stays as it is.
QString storedPath(const QString &path);
QString pathFromStored(const QString &value);

// AppDir + "/config.ini".
QString configIniPath();

// The settings as config.ini holds them now (defaults where missing).
TAppSettings readAppSettings();

// Start-up: loads the settings into the process-wide settings.
void LoadSettings();

// Writes the settings as the options dialog's OK does: all of them or,
// when the file cannot be written, none. Throws AppError.
void writeAppSettings(const TAppSettings &settings);

// Remembers the database file of the report window closed last; does
// nothing when config.ini could not be read in this run. A path that code
// page 936 or one line of the file cannot carry is kept in an encoded form
// that startupDatabasePath reads back exactly.
void RememberOpenFile(const QString &path);

// AppDir + "/Data/2004年房屋安全鉴定报告.had".
QString sampleDatabasePath();

// The database that start-up reopens: "OpenFileName" when AutoOpenItem
// (read afresh) is true and the key exists, else the sample database.
// Whether the file exists is the caller's business.
QString startupDatabasePath();
