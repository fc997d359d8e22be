#pragma once

#include "base/replacementfile.h"
#include "db/reportfields.h"
#include "output/outputstate.h"
#include "output/pagevalues.h"
#include "output/preparedpages.h"
#include "output/reportpdfwriter.h"
#include "output/reporttitle.h"
#include "printing/pageprinting.h"

#include <QString>

#include <functional>
#include <memory>
#include <optional>

class DataSet;
class PrinterDevice;

// Printing a report: preparing its pages, printing them on the current
// printer, and writing them into a PDF file, the same way for the preview,
// the print command, the PDF export and hadtool.

// The report that the preview, printing and the PDF export take their pages
// from: in the program the active report window.
struct PrintedReport
{
    // The reports, positioned on the report; its row holds the page settings
    // (as edited, whether or not posted).
    DataSet *reports = nullptr;
    // The report's texts as they are shown, unsaved edits included, and the
    // building-area total shown beside the areas.
    ReportTexts texts;
    QString areaTotal;
    // Sets the report's Modified flag once its row has been changed.
    std::function<void()> markModified;
};

// The report to print at the moment of asking; nothing when there is none.
using PrintedReportSource = std::function<std::optional<PrintedReport>()>;

// The report the source gives now. Throws AppError "没有打开的鉴定报告。"
// when there is none.
PrintedReport RequirePrintedReport(const PrintedReportSource &source);

// Prepares a report's pages as the preview and printing prepare them: the
// page settings of the reports' current row become the current ones, the
// current printer gets their paper, and the two page files are written into
// the folder (OutputProcess.PageCount). Reading the settings and setting up the
// paper show their own failures and the preparation goes on; settings that
// no page can be drawn with (RequireDrawablePageSettings) and a page file
// that cannot be written throw AppError.
void PrepareReportPages(DataSet &reports, const ReportPageValues &values, const QString &folder);

// The same for a printed report (one that RequirePrintedReport gives), into
// the program's page folder.
void PreparePrintedPages(const PrintedReport &report);

// Writes the printed report's page files into the program's page folder
// (page settings and paper as they are) and keeps its name for a PDF file
// printed from them. Throws AppError.
void BuildPrintedPages(const PrintedReport &report);

// Prints pages first to last of the program's page files in one print job
// on the current printer, in order, in printer dots, titled as the report,
// as many copies as the print dialog last asked for; a printer that writes
// a file writes the one chosen in the print dialog, if any. A printer that writes a
// file (the PDF printer) first asks for the file's name; a cancelled choice
// prints nothing, and an existing file is replaced only after a question and
// only by a complete one. Throws AppError when the job fails.
void PrintReportPages(int first, int last);

// Prints the pages the print dialog last chose for the current printer, or
// all of them (1 to OutputProcess.PageCount), as PrintReportPages does.
void PrintAllReportPages();

// Asks where to write a PDF file: the proposed name in the folder of the
// PDF file written last, at first the user's documents folder; an existing
// file only after "覆盖已存在的文件 … 吗?" is answered Yes. Returns the
// chosen path, or an empty text when the user cancelled or said No.
QString AskPdfFileName(const QString &caption, const QString &proposedName);

// Report pages prepared as PreparedPages prepares them, on a printer: while
// it lives, its printer is the current printer and gets each report's paper
// (SetupCurrentPaper); afterwards the previous printer is back.
class PreparedReportPages
{
public:
    // Throws AppError when the temporary folder cannot be created.
    explicit PreparedReportPages(std::unique_ptr<PrinterDevice> printer);
    PreparedReportPages(const PreparedReportPages &) = delete;
    PreparedReportPages &operator=(const PreparedReportPages &) = delete;
    ~PreparedReportPages();

    void prepare(DataSet &reports, const ReportTexts &texts, const QString &areaTotal);
    QString pageFile(int page) const;

private:
    PreparedPages m_pages;
    std::unique_ptr<PrinterDevice> m_previousPrinter;
};

// The PDF export command's work for a report that RequirePrintedReport
// gives: asks for the file (AskPdfFileName with the proposed name of the
// report) and writes the report's two pages into it
// with ReportPdfWriter, as hadtool writes it. Returns the path written, or an empty text when the
// user cancelled. Throws AppError "导出PDF文件 … 错误!" with the reason.
QString ExportReportPdf(const PrintedReport &report);
