#include "printing/reportprinting.h"

#include "base/apperror.h"
#include "base/errorreport.h"
#include "base/prompt.h"
#include "db/dataset.h"
#include "output/outputstate.h"
#include "output/pagefiles.h"
#include "printing/currentprinter.h"
#include "printing/printerdevice.h"
#include "printing/printerpage.h"

#include <QDir>
#include <QFileInfo>
#include <QPrinter>
#include <QStandardPaths>

namespace {

// The report whose page files the program's page folder holds, for the
// title and the file name of a print of them.
ReportTexts &pageFilesReport()
{
    static ReportTexts texts;
    return texts;
}

const QString PdfFilter = QStringLiteral("PDF 文件 *.pdf|*.pdf");

// Settings that no page can be drawn with stop the preparation with one
// message, before the printer or any layout sees them.
void setUpPaperFromRow(DataSet &reports)
{
    LoadDrawablePageSettings(reports);
    SetupCurrentPaper();
}

ReportPageValues pageValues(const PrintedReport &report)
{
    return MakeReportPageValues(report.texts, report.areaTotal);
}

// Points a printer that writes a file at another file for one job and back
// at its own file afterwards.
class OutputFileRedirect
{
public:
    OutputFileRedirect(QPrinter &printer, const QString &file)
        : m_printer(printer)
        , m_previous(printer.outputFileName())
    {
        m_printer.setOutputFileName(file);
    }
    ~OutputFileRedirect()
    {
        // An empty name would turn the printer away from files altogether.
        if (!m_previous.isEmpty())
            m_printer.setOutputFileName(m_previous);
    }
    OutputFileRedirect(const OutputFileRedirect &) = delete;
    OutputFileRedirect &operator=(const OutputFileRedirect &) = delete;

private:
    QPrinter &m_printer;
    QString m_previous;
};

} // namespace

PrintedReport RequirePrintedReport(const PrintedReportSource &source)
{
    std::optional<PrintedReport> report = source ? source() : std::nullopt;
    if (!report || !report->reports)
        throw AppError(QStringLiteral("没有打开的鉴定报告。"));
    return *report;
}

void PrepareReportPages(DataSet &reports, const ReportPageValues &values, const QString &folder)
{
    setUpPaperFromRow(reports);
    BuildReportPages(folder, values);
}

void PreparePrintedPages(const PrintedReport &report)
{
    setUpPaperFromRow(*report.reports);
    BuildPrintedPages(report);
}

void BuildPrintedPages(const PrintedReport &report)
{
    pageFilesReport() = report.texts;
    BuildReportPages(ProgramPageFolder(), pageValues(report));
}

void PrintReportPages(int first, int last)
{
    if (first > last)
        return;
    PrinterDevice &device = CurrentPrinter::device();
    QPrinter &printer = device.printer();
    const PrintJobOptions &options = device.jobOptions();
    std::optional<ReplacementFile> file;
    std::optional<OutputFileRedirect> redirect;
    if (printer.outputFormat() == QPrinter::PdfFormat) {
        const QString path = !options.outputFile.isEmpty()
            ? QFileInfo(options.outputFile).absoluteFilePath()
            : AskPdfFileName(QStringLiteral("打印到PDF文件"), ProposedPdfName(pageFilesReport()));
        if (path.isEmpty())
            return;
        file.emplace(path);
        redirect.emplace(printer, file->temporaryName());
    }
    // A printer that makes copies itself is told how many; the others are
    // given the pages again, each copy whole.
    const int copies = std::max(1, options.copies);
    const bool printerCopies = printer.supportsMultipleCopies();
    printer.setCopyCount(printerCopies ? copies : 1);
    PagePrintJob job(device, ReportTitle(pageFilesReport()));
    const QString folder = ProgramPageFolder();
    for (int copy = 0; copy < (printerCopies ? 1 : copies); ++copy) {
        for (int page = first; page <= last; ++page)
            job.printPage(PageFileName(folder, page));
    }
    job.finish();
    if (file)
        file->commit();
}

void PrintAllReportPages()
{
    const PrintJobOptions &options = CurrentPrinter::device().jobOptions();
    const int first = options.fromPage > 0 ? options.fromPage : 1;
    const int last
        = options.toPage > 0 ? std::min(options.toPage, OutputProcess.PageCount) : OutputProcess.PageCount;
    PrintReportPages(first, last);
}

QString AskPdfFileName(const QString &caption, const QString &proposedName)
{
    QString folder = OutputProcess.LastPdfFolder;
    if (folder.isEmpty())
        folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty())
        folder = QDir::homePath();
    const QString path = Prompt::saveFile(
        { caption, QDir::toNativeSeparators(folder), proposedName, PdfFilter, QStringLiteral("pdf") });
    if (path.isEmpty())
        return QString();
    const QFileInfo chosen(path);
    OutputProcess.LastPdfFolder = chosen.absolutePath();
    if (chosen.exists()
        && !Prompt::confirm(
            QStringLiteral("覆盖已存在的文件 ") + QDir::toNativeSeparators(path) + QStringLiteral(" 吗?")))
        return QString();
    return chosen.absoluteFilePath();
}

PreparedReportPages::PreparedReportPages(std::unique_ptr<PrinterDevice> printer)
    : m_pages([] { SetupCurrentPaper(); })
{
    m_previousPrinter = CurrentPrinter::exchange(std::move(printer));
}

PreparedReportPages::~PreparedReportPages()
{
    CurrentPrinter::install(std::move(m_previousPrinter));
}

void PreparedReportPages::prepare(DataSet &reports, const ReportTexts &texts, const QString &areaTotal)
{
    m_pages.prepare(reports, texts, areaTotal);
}

QString PreparedReportPages::pageFile(int page) const
{
    return m_pages.pageFile(page);
}

QString ExportReportPdf(const PrintedReport &report)
{
    const QString path = AskPdfFileName(QStringLiteral("导出PDF"), ProposedPdfName(report.texts));
    if (path.isEmpty())
        return QString();
    try {
        ReportPdfWriter pdf(path, ReportTitle(report.texts));
        pdf.addReport(*report.reports, report.texts, report.areaTotal);
        pdf.finish();
    } catch (const std::exception &failure) {
        throw AppError(QStringLiteral("导出PDF文件 ") + QDir::toNativeSeparators(path)
            + QStringLiteral(" 错误!\n") + failureText(failure));
    }
    return path;
}
