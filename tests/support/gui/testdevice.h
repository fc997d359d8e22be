#pragma once

#include "base/apperror.h"
#include "output/devicemode.h"
#include "printing/currentprinter.h"
#include "printing/printerdevice.h"

#include <QList>
#include <QSize>
#include <QString>

#include <memory>
#include <optional>

// A printer over the PDF printer (under the given name) with switches for
// what it fails at or reports instead of its own values (a driver whose A4
// sheet is 4961 x 7016 dots at 600 dots per inch), and a record of the job
// settings it was given.
class TestDevice : public PrinterDevice
{
public:
    explicit TestDevice(const QString &name = PdfPrinterName)
        : PrinterDevice(name, true, QString())
    { }

    bool hasDeviceMode = true;
    bool sheetUnreadable = false;
    std::optional<QSize> sheetDots;
    std::optional<QSize> dpi;

    QList<TDeviceMode> applied;
    int reloads = 0;

    std::optional<TDeviceMode> deviceMode() const override
    {
        return hasDeviceMode ? PrinterDevice::deviceMode() : std::nullopt;
    }
    void reload() override
    {
        ++reloads;
        PrinterDevice::reload();
    }
    void applyDeviceMode(const TDeviceMode &mode) override
    {
        applied.append(mode);
        PrinterDevice::applyDeviceMode(mode);
    }
    QSize resolution() const override { return dpi ? *dpi : PrinterDevice::resolution(); }
    QSize physicalPageSize() const override
    {
        if (sheetUnreadable)
            throw AppError(QStringLiteral("sheet unreadable"));
        return sheetDots ? *sheetDots : PrinterDevice::physicalPageSize();
    }
};

// Makes a new TestDevice the current printer and gives it back.
inline TestDevice &installTestDevice(const QString &name = PdfPrinterName)
{
    auto device = std::make_unique<TestDevice>(name);
    TestDevice &ref = *device;
    CurrentPrinter::install(std::move(device));
    return ref;
}
