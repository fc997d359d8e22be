#pragma once

#include "base/appsettings.h"

#include <QString>

// The product title: application title, main window caption, caption of
// every message box, and (in corner brackets) the mark printed on pages.
inline const QString AppTitle = QStringLiteral("晨岭房屋安全鉴定管理系统");

// The process-wide values of the whole program: where it keeps its files
// and its settings. The layers above keep their own values beside these
// (OutputProcess, EditorProcess, PreviewProcess), each with its own reset.
struct ProcessState
{
    // The program's folder (config.ini, Data, Backup, Template, Temp,
    // Resource) as ProgramFolders chooses it, without trailing separator.
    QString AppDir;
    // The read-only share folder of the installation the program runs from
    // (its shared data and its manual), as ProgramFolders finds it.
    QString ShareDir;
    TAppSettings Settings;
};

extern ProcessState Process;

// Back to the state at process start (AppDir included).
void resetProcessState();
