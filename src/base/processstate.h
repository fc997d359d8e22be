#pragma once

#include "base/appsettings.h"
#include "output/pagesettings.h"
#include "output/signaturevalues.h"

#include <QObject>
#include <QPointer>
#include <QString>

// The product title: application title, main window caption, caption of
// every message box, and (in corner brackets) the mark printed on pages.
inline const QString AppTitle = QStringLiteral("晨岭房屋安全鉴定管理系统");

// The process-wide values that several parts of the program share, kept in
// one place so that a test can reset them all.
struct ProcessState
{
    // The program's folder (config.ini, Data, Backup, Template, Temp,
    // Resource) as ProgramFolders chooses it, without trailing separator.
    QString AppDir;
    // The read-only share folder of the installation the program runs from
    // (its shared data and its manual), as ProgramFolders finds it.
    QString ShareDir;
    // Raised while a report window is being opened: its edits do not count
    // as modifications. Lowered when a report window becomes active.
    bool WindowOpening = false;
    // The report window opened last; cleared when it closes.
    QPointer<QObject> LastOpenedWindow;
    // Set when the user cancelled a report window's save prompt.
    bool CloseCancelled = false;
    TAppSettings Settings;
    TPageSettings CurrentPageSettings = TPageSettings::unloaded();
    TPrinterPageGeometry PrinterPageGeometry;
    // The number of page files written by the last BuildReportPages (0 before the first).
    int PageCount = 0;
    // Where the body page takes its signature sections from when it is drawn;
    // installed by whoever holds the report being printed. Unset: none.
    SignatureSource ActiveSignatures;
    // The print preview window opened last (null before the first one).
    QPointer<QObject> CurrentPreview;
    // The folder of the PDF file written last; empty: the user's documents.
    QString LastPdfFolder;
};

extern ProcessState Process;

// Back to the state at process start (AppDir included).
void resetProcessState();
