#include "app/appsettings.h"

#include "app/inifile.h"
#include "app/processstate.h"

#include <QDir>

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
    ini.commit();
}

void RememberOpenFile(const QString &path)
{
    IniFile ini(configIniPath());
    // Closing a window is no request to save settings: a config.ini that
    // could not be read (the user has been told) is left alone quietly.
    if (!ini.isUnreadable())
        ini.writeString(SettingsKeys::Commond, SettingsKeys::OpenFileName, path);
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
    return ini.readString(SettingsKeys::Commond, SettingsKeys::OpenFileName, sampleDatabasePath());
}
