#pragma once

#include <QString>

// The printer's paper: puts a report's paper style, size and orientation into
// the current printer's job settings and reads the printer's sheet back.

// Copies the page size and margins of CurrentPageSettings into
// PrinterPageGeometry, then gives the current printer the paper: "B5" and
// "A4" (exact, case-sensitive) are the named sheets, any other style a sheet
// of PageWidth x PageHeight of CurrentPageSettings (as oriented). The width
// and height arguments are not consulted. Orientation 0 is portrait, any
// other value landscape. On failure shows "初始化打印机错误!" and leaves the
// printer's job settings as they were; returns whether the paper was set.
bool SetupPrinterPage(const QString &paperStyle, int width, int height, int orientation);

// SetupPrinterPage with the paper style, size and orientation of
// CurrentPageSettings.
bool SetupCurrentPaper();

struct PrinterDpi
{
    int dpiX = 0;
    int dpiY = 0;
};

// The current printer's dots per inch. Throws AppError when it cannot be read.
PrinterDpi GetPrinterDpi();

// Converts a length in device dots at the given dots per inch to whole
// millimetres, to nearest with halves to even. Throws AppError for a
// resolution that is not positive or a result out of range.
int DotsToMM(int dots, int dpi);

// The current printer's whole sheet (not only its printable area) in whole
// millimetres, measured at the given dots per inch. On failure shows
// "设置打印尺寸错误!" and leaves width and height as they were; returns
// whether they were set.
bool GetPrinterPageSizeMM(int dpiX, int dpiY, int &width, int &height);
