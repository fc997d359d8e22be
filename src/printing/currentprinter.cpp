#include "printing/currentprinter.h"

#include "base/apperror.h"
#include "output/outputstate.h"

#include <QPrinterInfo>

namespace {

// Printer pages are drawn on the current printer's sheet, in the
// orientation its job settings give at the time.
bool currentSheetIsPortrait()
{
    const std::optional<TDeviceMode> mode = CurrentPrinter::device().deviceMode();
    if (!mode)
        throw AppError(QStringLiteral("不能读取打印机的方向。"));
    return mode->dmOrientation == TDeviceMode::DMORIENT_PORTRAIT;
}

// Every change of the current printer (and every use, after the output
// values were reset) tells the page layouts whose sheet they draw on.
std::unique_ptr<PrinterDevice> &current()
{
    static std::unique_ptr<PrinterDevice> device;
    OutputProcess.SheetIsPortrait = currentSheetIsPortrait;
    return device;
}

std::unique_ptr<PrinterDevice> deviceNamed(const QString &name)
{
    return name == PdfPrinterName ? PrinterDevice::pdf() : PrinterDevice::system(name);
}

} // namespace

namespace CurrentPrinter {

QStringList availablePrinterNames()
{
    QStringList names = QPrinterInfo::availablePrinterNames();
    names.removeAll(PdfPrinterName);
    names.append(PdfPrinterName);
    return names;
}

PrinterDevice &device()
{
    auto &device = current();
    if (!device) {
        const QString systemDefault = QPrinterInfo::defaultPrinterName();
        device = deviceNamed(systemDefault.isEmpty() ? PdfPrinterName : systemDefault);
    }
    return *device;
}

void select(const QString &name)
{
    if (!availablePrinterNames().contains(name))
        throw AppError(QStringLiteral("打印机 ") + name + QStringLiteral(" 不存在!"));
    current() = deviceNamed(name);
}

void install(std::unique_ptr<PrinterDevice> device)
{
    current() = std::move(device);
}

std::unique_ptr<PrinterDevice> exchange(std::unique_ptr<PrinterDevice> device)
{
    std::unique_ptr<PrinterDevice> previous = std::move(current());
    current() = std::move(device);
    return previous;
}

void reset()
{
    current().reset();
}

} // namespace CurrentPrinter
