#pragma once

#include "output/pagesettings.h"
#include "output/signaturevalues.h"

#include <QString>

#include <functional>

// The process-wide values of page output: the page settings and paper that
// page files are drawn with, how many there are, and whose signatures they
// carry.
struct OutputState
{
    TPageSettings CurrentPageSettings = TPageSettings::unloaded();
    TPrinterPageGeometry PrinterPageGeometry;
    // The number of page files written by the last BuildReportPages (0 before the first).
    int PageCount = 0;
    // Where the body page takes its signature sections from when it is drawn;
    // installed by whoever holds the report being printed. Unset: none.
    SignatureSource ActiveSignatures;
    // Whether the sheet that printer pages are drawn on is upright: the
    // printer's fonts are one point smaller then. Installed by whoever
    // provides the sheet (the current printer); throws AppError when the
    // orientation cannot be read. Unset: it cannot be read.
    std::function<bool()> SheetIsPortrait;
    // The folder of the PDF file written last; empty: the user's documents.
    QString LastPdfFolder;
};

extern OutputState OutputProcess;

// Back to the state at process start.
void resetOutputState();
