#include "printing/printerpage.h"

#include "base/apperror.h"
#include "base/prompt.h"
#include "output/devicemode.h"
#include "output/outputstate.h"
#include "output/paper.h"
#include "output/units.h"
#include "printing/currentprinter.h"

#include <limits>

bool SetupPrinterPage(const QString &paperStyle, int /*width*/, int /*height*/, int orientation)
{
    CopyPageGeometry(OutputProcess.CurrentPageSettings, OutputProcess.PrinterPageGeometry);
    try {
        PrinterDevice &printer = CurrentPrinter::device();
        std::optional<TDeviceMode> mode = printer.deviceMode();
        if (!mode) {
            printer.reload();
            throw AppError(QStringLiteral("不能初始化打印机！"));
        }
        WritePaper(*mode, paperStyle, OutputProcess.CurrentPageSettings, orientation);
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
