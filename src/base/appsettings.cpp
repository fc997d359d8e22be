#include "base/appsettings.h"

#include "base/cp936.h"
#include "base/inifile.h"
#include "base/processstate.h"

#include <QDir>
#include <QUrl>

#include <algorithm>

namespace {

// The marker of a path kept as a file URL: no absolute path begins with it.
const QString UrlScheme = QStringLiteral("file:");

} // namespace

// A path as config.ini keeps it. One that the file can carry as it is (code
// page 936, no control characters, no blanks at either end, which reading
// drops) is written plainly, as every older file has it; any other as a file
// URL ("file:///home/%E5%B0%8F/a.had"), which reads back exactly.
QString storedPath(const QString &path)
{
    const bool plain = Cp936::decode(Cp936::encode(path)) == path && path == path.trimmed()
        && !path.startsWith(UrlScheme) && std::none_of(path.cbegin(), path.cend(), [](QChar c) {
               return c.category() == QChar::Other_Control;
           });
    return plain ? path : QUrl::fromLocalFile(path).toString(QUrl::FullyEncoded);
}

QString pathFromStored(const QString &value)
{
    return value.startsWith(UrlScheme) ? QUrl(value, QUrl::StrictMode).toLocalFile() : value;
}

QString configIniPath()
{
    return QDir(Process.AppDir).filePath(QStringLiteral("config.ini"));
}

TAppSettings readAppSettings()
{
    const IniFile ini(configIniPath());
    const TAppSettings defaults;
    TAppSettings s;
    s.AutoSaveTime
        = ini.readInteger(SettingsKeys::Commond, SettingsKeys::AutoSaveTime, defaults.AutoSaveTime);
    s.AutoOpenItem = ini.readBool(SettingsKeys::Commond, SettingsKeys::AutoOpenItem, defaults.AutoOpenItem);
    s.IsPrintSoftMess
        = ini.readBool(SettingsKeys::Misc, SettingsKeys::IsPrintSoftMess, defaults.IsPrintSoftMess);
    s.DefaultGradeStandard = StandardFromYear(
        ini.readString(SettingsKeys::Commond, SettingsKeys::DefaultGradeStandard, QString()))
                                 .value_or(defaults.DefaultGradeStandard);
    return s;
}

void LoadSettings()
{
    Process.Settings = readAppSettings();
}

void writeAppSettings(const TAppSettings &settings)
{
    IniFile ini(configIniPath(), IniFile::WriteMode::OnCommit);
    ini.writeInteger(SettingsKeys::Commond, SettingsKeys::AutoSaveTime, settings.AutoSaveTime);
    ini.writeBool(SettingsKeys::Commond, SettingsKeys::AutoOpenItem, settings.AutoOpenItem);
    ini.writeBool(SettingsKeys::Misc, SettingsKeys::IsPrintSoftMess, settings.IsPrintSoftMess);
    ini.writeString(SettingsKeys::Commond, SettingsKeys::DefaultGradeStandard,
        StandardYear(settings.DefaultGradeStandard));
    ini.commit();
}

void RememberOpenFile(const QString &path)
{
    IniFile ini(configIniPath());
    // Closing a window is no request to save settings: a config.ini that
    // could not be read (the user has been told) is left alone quietly.
    if (!ini.isUnreadable())
        ini.writeString(SettingsKeys::Commond, SettingsKeys::OpenFileName, storedPath(path));
}

QString sampleDatabasePath()
{
    return QDir(Process.AppDir).filePath(QStringLiteral("Data/2004年房屋安全鉴定报告.had"));
}

QString startupDatabasePath()
{
    const IniFile ini(configIniPath());
    if (!ini.readBool(SettingsKeys::Commond, SettingsKeys::AutoOpenItem, true))
        return sampleDatabasePath();
    if (!ini.hasKey(SettingsKeys::Commond, SettingsKeys::OpenFileName))
        return sampleDatabasePath();
    return pathFromStored(ini.readString(SettingsKeys::Commond, SettingsKeys::OpenFileName, QString()));
}
