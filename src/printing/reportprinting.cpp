#include "printing/reportprinting.h"

#include "base/apperror.h"
#include "base/errorreport.h"
#include "base/prompt.h"
#include "db/dataset.h"
#include "output/outputstate.h"
#include "output/pagefiles.h"
#include "output/pagesettingsstore.h"
#include "printing/currentprinter.h"
#include "printing/printerdevice.h"
#include "printing/printerpage.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPrinter>
#include <QStandardPaths>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <unistd.h>

namespace {

const QString PdfFilter = QStringLiteral("PDF 文件 *.pdf|*.pdf");

// The title of a report with neither number nor address.
const QString UntitledReport = QStringLiteral("鉴定报告");

// Longest report name proposed for a file, in characters: well within the
// file systems' limit of 255 bytes for a name in UTF-8.
constexpr int MaxProposedNameLength = 80;

// The report whose page files the program's page folder holds, for the
// title and the file name of a print of them.
ReportTexts &pageFilesReport()
{
    static ReportTexts texts;
    return texts;
}

// The report's number and address, or an empty text for neither.
QString numberAndAddress(const ReportTexts &texts)
{
    QStringList parts;
    for (const char *column : { "FileNo", "Address" }) {
        const QString part = texts.text(QLatin1String(column)).simplified();
        if (!part.isEmpty())
            parts.append(part);
    }
    return parts.join(u' ');
}

// Settings that no page can be drawn with stop the preparation with one
// message, before the printer or any layout sees them.
void setUpPaperFromRow(DataSet &reports)
{
    LoadPageSettingsFromRow(reports);
    RequireDrawablePageSettings(OutputProcess.CurrentPageSettings);
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

QString ReportTitle(const ReportTexts &texts)
{
    const QString title = numberAndAddress(texts);
    return title.isEmpty() ? UntitledReport : title;
}

QString ProposedPdfName(const ReportTexts &texts)
{
    QString name = numberAndAddress(texts).left(MaxProposedNameLength).trimmed();
    for (QChar &c : name) {
        if (c.unicode() < 0x20 || QStringLiteral("/\\:*?\"<>|").contains(c))
            c = u'_';
    }
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String(".."))
        name = UntitledReport;
    return name + QStringLiteral(".pdf");
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

ReplacementFile::ReplacementFile(const QString &path)
    : m_path(path)
    , m_temporary(path + QStringLiteral(".XXXXXX"))
{
    if (!m_temporary.open())
        throw AppError(QStringLiteral("不能创建文件 ") + QDir::toNativeSeparators(m_path)
            + QStringLiteral(": ") + m_temporary.errorString());
    m_temporary.close();
}

void ReplacementFile::commit()
{
    const auto failed = [this](const QString &reason) {
        return AppError(QStringLiteral("不能写入文件 ") + QDir::toNativeSeparators(m_path)
            + QStringLiteral(": ") + reason);
    };
    // The complete file reaches the disk before it takes the old one's place.
    QFile written(m_temporary.fileName());
    if (!written.open(QIODevice::ReadOnly))
        throw failed(written.errorString());
    if (::fsync(written.handle()) != 0)
        throw failed(QString::fromLocal8Bit(std::strerror(errno)));
    written.close();
    const QFileInfo existing(m_path);
    m_temporary.setPermissions(existing.exists() ? existing.permissions()
                                                 : QFileDevice::ReadOwner | QFileDevice::WriteOwner
                | QFileDevice::ReadGroup | QFileDevice::ReadOther);
    // A rename replaces the old file in one step; QFile::rename would not
    // replace an existing file.
    std::error_code error;
    std::filesystem::rename(QFile::encodeName(m_temporary.fileName()).toStdString(),
        QFile::encodeName(m_path).toStdString(), error);
    if (error)
        throw failed(QString::fromLocal8Bit(error.message().c_str()));
    m_temporary.setAutoRemove(false);
    // And so does the rename, with the folder that records it.
    const int folder = ::open(QFile::encodeName(existing.absolutePath()).constData(), O_RDONLY | O_DIRECTORY);
    if (folder >= 0) {
        ::fsync(folder);
        ::close(folder);
    }
}

PreparedReportPages::PreparedReportPages(std::unique_ptr<PrinterDevice> printer)
{
    if (!m_folder.isValid())
        throw AppError(QStringLiteral("不能创建临时文件夹: ") + m_folder.errorString());
    m_previousSettings = OutputProcess.CurrentPageSettings;
    m_previousGeometry = OutputProcess.PrinterPageGeometry;
    m_previousPageCount = OutputProcess.PageCount;
    m_previousSignatures = OutputProcess.ActiveSignatures;
    m_previousPrinter = CurrentPrinter::exchange(std::move(printer));
    OutputProcess.ActiveSignatures = [this] { return std::optional<SignatureValues>(m_signatures); };
}

PreparedReportPages::~PreparedReportPages()
{
    CurrentPrinter::install(std::move(m_previousPrinter));
    OutputProcess.CurrentPageSettings = m_previousSettings;
    OutputProcess.PrinterPageGeometry = m_previousGeometry;
    OutputProcess.PageCount = m_previousPageCount;
    OutputProcess.ActiveSignatures = m_previousSignatures;
}

void PreparedReportPages::prepare(DataSet &reports, const ReportTexts &texts, const QString &areaTotal)
{
    m_signatures = MakeSignatureValues(texts);
    PrepareReportPages(reports, MakeReportPageValues(texts, areaTotal), m_folder.path());
}

QString PreparedReportPages::pageFile(int page) const
{
    return PageFileName(m_folder.path(), page);
}

ReportPdfWriter::ReportPdfWriter(const QString &path, const QString &title)
    : m_file(path)
    , m_pages(PrinterDevice::pdf(m_file.temporaryName()))
    , m_job(CurrentPrinter::device(), title)
{ }

void ReportPdfWriter::addReport(DataSet &reports, const ReportTexts &texts, const QString &areaTotal)
{
    m_pages.prepare(reports, texts, areaTotal);
    for (int page = 1; page <= OutputProcess.PageCount; ++page)
        m_job.printPage(m_pages.pageFile(page));
}

void ReportPdfWriter::finish()
{
    if (m_job.pagesPrinted() == 0)
        throw AppError(QStringLiteral("没有可写入PDF文件的页面。"));
    m_job.finish();
    m_file.commit();
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
