#include "printing/printerpage.h"

#include "base/apperror.h"
#include "base/prompt.h"
#include "output/devicemode.h"
#include "output/outputstate.h"
#include "output/units.h"
#include "printing/currentprinter.h"

#include <limits>

namespace {

// Largest sheet side the 16-bit tenths-of-a-millimetre fields can hold.
constexpr int MaxPaperMM = std::numeric_limits<qint16>::max() / 10;

qint16 paperTenths(int mm)
{
    if (mm <= 0 || mm > MaxPaperMM)
        throw AppError(QStringLiteral("纸张尺寸 %1 毫米超出打印机可设置的范围。").arg(mm));
    return static_cast<qint16>(mm * 10);
}

// Writes paper and orientation into the record. A custom sheet is given
// upright: in landscape the page height is the sheet's width.
void writePaper(TDeviceMode &mode, const QString &paperStyle, const TPageSettings &page, int orientation)
{
    mode.dmFields |= TDeviceMode::DM_PAPERWIDTH | TDeviceMode::DM_PAPERLENGTH | TDeviceMode::DM_ORIENTATION;
    const bool portrait = orientation == 0;
    mode.dmOrientation = portrait ? TDeviceMode::DMORIENT_PORTRAIT : TDeviceMode::DMORIENT_LANDSCAPE;
    if (paperStyle == QLatin1String("B5")) {
        mode.dmPaperSize = TDeviceMode::DMPAPER_B5;
    } else if (paperStyle == QLatin1String("A4")) {
        mode.dmPaperSize = TDeviceMode::DMPAPER_A4;
    } else {
        mode.dmPaperSize = TDeviceMode::DMPAPER_USER;
        mode.dmPaperWidth = paperTenths(portrait ? page.PageWidth : page.PageHeight);
        mode.dmPaperLength = paperTenths(portrait ? page.PageHeight : page.PageWidth);
    }
}

void copyGeometry(const TPageSettings &page, TPrinterPageGeometry &geometry)
{
    geometry.PageWidth = page.PageWidth;
    geometry.PageHeight = page.PageHeight;
    geometry.LeftMargin = page.LeftMargin;
    geometry.TopMargin = page.TopMargin;
    geometry.RightMargin = page.RightMargin;
    geometry.BottomMargin = page.BottomMargin;
}

} // namespace

bool SetupPrinterPage(const QString &paperStyle, int /*width*/, int /*height*/, int orientation)
{
    copyGeometry(OutputProcess.CurrentPageSettings, OutputProcess.PrinterPageGeometry);
    try {
        PrinterDevice &printer = CurrentPrinter::device();
        std::optional<TDeviceMode> mode = printer.deviceMode();
        if (!mode) {
            printer.reload();
            throw AppError(QStringLiteral("不能初始化打印机！"));
        }
        writePaper(*mode, paperStyle, OutputProcess.CurrentPageSettings, orientation);
        printer.applyDeviceMode(*mode);
        return true;
    } catch (const std::exception &) {
        Prompt::warning(QStringLiteral("初始化打印机错误!"));
        return false;
    }
}

bool SetupCurrentPaper()
{
    const TPageSettings &page = OutputProcess.CurrentPageSettings;
    return SetupPrinterPage(page.PageStyle, page.PageWidth, page.PageHeight, page.PageOrientation);
}

PrinterDpi GetPrinterDpi()
{
    const QSize dpi = CurrentPrinter::device().resolution();
    return { dpi.width(), dpi.height() };
}

int DotsToMM(int dots, int dpi)
{
    if (dpi <= 0)
        throw AppError(QStringLiteral("打印机分辨率 %1 无效。").arg(dpi));
    const double mm = roundHalfEven(static_cast<double>(dots) / dpi / InchesPerMM);
    if (mm < std::numeric_limits<int>::min() || mm > std::numeric_limits<int>::max())
        throw AppError(QStringLiteral("打印纸尺寸超出范围。"));
    return static_cast<int>(mm);
}

bool GetPrinterPageSizeMM(int dpiX, int dpiY, int &width, int &height)
{
    try {
        const QSize sheet = CurrentPrinter::device().physicalPageSize();
        const int newWidth = DotsToMM(sheet.width(), dpiX);
        const int newHeight = DotsToMM(sheet.height(), dpiY);
        width = newWidth;
        height = newHeight;
        return true;
    } catch (const std::exception &) {
        Prompt::warning(QStringLiteral("设置打印尺寸错误!"));
        return false;
    }
}
