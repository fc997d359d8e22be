#pragma once

#include "app/framecommands.h"
#include "printing/reportprinting.h"

#include <QObject>
#include <QString>

#include <functional>

class QWidget;
class TfrmChildWin;

// The frame's output commands: print preview (Actn_FilePreview), print
// (Actn_FilePrint), page setup (Actn_FilePageSetup) and the PDF export
// (Actn_FileExportPdf), each acting on the active report window and run as
// one user command: a failure is shown once. While the commands exist, the
// body page's signature sections are read from the active report window
// each time the page is drawn.
class OutputCommands : public QObject
{
    Q_OBJECT

public:
    struct Frame
    {
        // Owns the preview windows and the dialogs.
        QWidget *owner = nullptr;
        // The active report window's report, or none.
        PrintedReportSource activeReport;
        FrameAction action;
    };

    OutputCommands(Frame frame, QObject *parent);
    ~OutputCommands() override;

    void Preview();
    void Print();
    void PageSetup();
    void ExportPdf();

private:
    Frame m_frame;
};

// The report of a report window as printing takes it: its report query, the
// texts of its controls (unsaved edits and both dates included), the area
// total it shows, and its Modified flag. None without a window.
std::optional<PrintedReport> printedReport(TfrmChildWin *window);
