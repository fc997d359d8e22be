#pragma once

#include "base/replacementfile.h"
#include "db/reportfields.h"
#include "output/paper.h"
#include "output/pdfpagejob.h"
#include "output/preparedpages.h"

#include <QString>

class DataSet;

// A PDF file of reports, written as the program prints them: each report
// with its own page settings and paper, two pages per report, the signature
// sections from the report's own texts, the pages prepared by PreparedPages
// on a PaperSheet. A writer dropped unfinished leaves the file at the path
// as it was.
class ReportPdfWriter
{
public:
    // The title is the PDF document's. Throws AppError when the temporary
    // files cannot be created.
    ReportPdfWriter(const QString &path, const QString &title);
    ReportPdfWriter(const ReportPdfWriter &) = delete;
    ReportPdfWriter &operator=(const ReportPdfWriter &) = delete;

    // Adds the pages of the reports' current report with the given texts.
    // Throws AppError.
    void addReport(DataSet &reports, const ReportTexts &texts, const QString &areaTotal);
    // Ends the file and puts it in place. Throws AppError.
    void finish();

private:
    ReplacementFile m_file;
    PaperSheet m_sheet;
    PreparedPages m_pages;
    // After m_pages: an unfinished file ends before its pages go.
    PdfPageJob m_job;
};
