#pragma once

#include "output/pdftextlog.h"

#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QString>

// Dots per inch of PDF files: that of a common office laser printer.
constexpr int PdfResolution = 600;

// A PDF file of page files written without a printer: each page file on a
// sheet of its own, drawn as a print job draws it on the PDF printer
// (IsPreview false, PdfResolution dots per inch, the sheet's corner as
// origin) with the page geometry of the last paper set-up. The file's text
// reads back as drawn.
class PdfPageJob
{
public:
    // The title names the document; the program is the file's creator.
    PdfPageJob(const QString &path, const QString &title);
    PdfPageJob(const PdfPageJob &) = delete;
    PdfPageJob &operator=(const PdfPageJob &) = delete;
    // Ends a job that was not finished.
    ~PdfPageJob();

    // Starts the next sheet, of the given paper, and draws the page file on
    // it. Throws AppError when the sheet cannot be started or the file cannot
    // be read.
    void printPage(const QString &pageFile, const QPageLayout &sheet);

    // Ends the file and gives it its text as drawn. Throws AppError.
    void finish();

    int pagesPrinted() const { return m_pages; }

private:
    QString m_path;
    QPdfWriter m_writer;
    QPainter m_painter;
    int m_pages = 0;
    PdfTextLog m_textLog;
};
