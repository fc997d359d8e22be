#include "printing/currentprinter.h"

#include "base/apperror.h"

#include <QPrinterInfo>

namespace {

std::unique_ptr<PrinterDevice> &current()
{
    static std::unique_ptr<PrinterDevice> device;
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
