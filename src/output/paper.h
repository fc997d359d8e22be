#pragma once

#include "output/devicemode.h"
#include "output/pagesettings.h"

#include <QPageLayout>
#include <QString>

#include <functional>

// A report's paper: the sheet its page settings ask for, as a printer's job
// settings and as a page layout for a writer that has no printer.

// Writes paper and orientation into the record: "B5" and "A4" (exact,
// case-sensitive) are the named sheets, any other style a sheet of
// PageWidth x PageHeight of the page (as oriented). Orientation 0 is
// portrait, any other value landscape. Throws AppError for a sheet side the
// record cannot hold.
void WritePaper(TDeviceMode &mode, const QString &paperStyle, const TPageSettings &page, int orientation);

// The sheet of a page's paper style, size and orientation, as WritePaper
// gives it to a printer, with no unprintable edge. Throws AppError for a
// sheet no printer is given.
QPageLayout PaperLayout(const TPageSettings &page);

// Copies the page size and margins of the page settings into the geometry
// that printer pages are drawn with.
void CopyPageGeometry(const TPageSettings &page, TPrinterPageGeometry &geometry);

// The sheet that report pages are drawn on without a printer (PDF files and
// pictures that hadtool writes, the PDF export). While it lives, its sheet is
// the one OutputProcess.SheetIsPortrait reports; afterwards the previous one.
class PaperSheet
{
public:
    PaperSheet();
    ~PaperSheet();
    PaperSheet(const PaperSheet &) = delete;
    PaperSheet &operator=(const PaperSheet &) = delete;

    // As a printer is set up: copies the page geometry of CurrentPageSettings
    // into PrinterPageGeometry and takes the settings' paper. On failure shows
    // "初始化打印机错误!" and keeps the paper it had (at first A4, portrait);
    // returns whether the paper was taken.
    bool setUpCurrentPaper();

    const QPageLayout &layout() const { return m_layout; }

private:
    QPageLayout m_layout;
    std::function<bool()> m_previousSheetIsPortrait;
};
