#include "app/outputcommands.h"

#include "app/framecommands.h"
#include "base/prompt.h"
#include "editor/childwin.h"
#include "output/outputstate.h"
#include "output/pagevalues.h"
#include "preview/pagesetupdialog.h"
#include "preview/preview.h"
#include "printing/currentprinter.h"

#include <QPointer>

OutputCommands::OutputCommands(Frame frame, QObject *parent)
    : QObject(parent)
    , m_frame(std::move(frame))
{
    bindFrameCommands(this, m_frame.action,
        {
            { "Actn_FilePreview", &OutputCommands::Preview },
            { "Actn_FilePrint", &OutputCommands::Print },
            { "Actn_FilePageSetup", &OutputCommands::PageSetup },
            { "Actn_FileExportPdf", &OutputCommands::ExportPdf },
        });

    OutputProcess.ActiveSignatures = [source = m_frame.activeReport]() -> std::optional<SignatureValues> {
        const std::optional<PrintedReport> report = source ? source() : std::nullopt;
        if (!report)
            return std::nullopt;
        return MakeSignatureValues(report->texts);
    };
}

OutputCommands::~OutputCommands()
{
    OutputProcess.ActiveSignatures = nullptr;
}

// With the PDF printer always listed, there is a printer on every machine;
// the refusal stays for a printer list that comes back empty.
void OutputCommands::Preview()
{
    if (CurrentPrinter::availablePrinterNames().isEmpty()) {
        Prompt::message(PromptIcon::None, QStringLiteral("没有安装打印机"));
        return;
    }
    TFrm_Preview::OpenPreview(m_frame.owner, m_frame.activeReport);
}

void OutputCommands::Print()
{
    PreparePrintedPages(RequirePrintedReport(m_frame.activeReport));
    PrintAllReportPages();
}

void OutputCommands::PageSetup()
{
    const PrintedReport report = RequirePrintedReport(m_frame.activeReport);
    showPageSetup(m_frame.owner, { report.reports, report.markModified, TFrm_Preview::current() });
}

void OutputCommands::ExportPdf()
{
    ExportReportPdf(RequirePrintedReport(m_frame.activeReport));
}

std::optional<PrintedReport> printedReport(TfrmChildWin *window)
{
    if (!window)
        return std::nullopt;
    const QPointer<TfrmChildWin> modified(window);
    return PrintedReport { &window->ReportQuery(), window->controlTexts(), window->areaTotal(), [modified] {
                              if (modified)
                                  modified->setModified(true);
                          } };
}
