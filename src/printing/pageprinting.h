#pragma once

#include "output/previewpicture.h"

#include <QImage>
#include <QPainter>
#include <QSize>
#include <QString>

#include <memory>

class PdfTextLog;
class PrinterDevice;

// Drawing page files onto the printer and onto a preview picture, the way
// printing and the preview do it.

// A print job on a printer: each page file on a sheet of its own, drawn by
// DrawPageFile with the printer's conventions (IsPreview false, the
// printer's dots per inch, no scaling: the printer's origin is the canvas's)
// and the page geometry of the last printer set-up. The paper may be set up
// anew between pages; it takes effect on the next sheet. A job on a printer
// that writes a PDF file leaves a file whose text reads back as drawn.
class PagePrintJob
{
public:
    // The title names the job and, in a PDF file, the document; the program
    // is the file's creator.
    PagePrintJob(PrinterDevice &printer, const QString &title);
    PagePrintJob(const PagePrintJob &) = delete;
    PagePrintJob &operator=(const PagePrintJob &) = delete;
    // Ends a job that was not finished.
    ~PagePrintJob();

    // Starts the next sheet (the first one starts the job) and draws the
    // page file on it. Throws AppError when the printer cannot start the
    // job or the sheet, or the file cannot be read.
    void printPage(const QString &pageFile);

    // Ends the job and, for a PDF file, gives the file its text as drawn.
    // Throws AppError when the printer failed the job.
    void finish();

    int pagesPrinted() const { return m_pages; }

private:
    PrinterDevice &m_device;
    QString m_title;
    QPainter m_painter;
    int m_pages = 0;
    // The texts drawn into a PDF file.
    std::unique_ptr<PdfTextLog> m_textLog;
};

// Draws a page file as the preview does at 100 % (IsPreview true) onto a new
// image of the current printer's sheet at the given dots per inch
// (RenderPreviewPicture).
QImage RenderPreviewPage(const QString &pageFile, int dpiX, int dpiY);
