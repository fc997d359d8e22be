#pragma once

#include "base/prompt.h"
#include "output/devicemode.h"

#include <QPrinter>
#include <QSize>
#include <QString>

#include <memory>
#include <optional>

// The name under which the PDF printer is listed beside the system's printers.
inline const QString PdfPrinterName = QStringLiteral("PDF 文件");

// One printer with its job settings, over a QPrinter. Either a printer of the
// system's print service or the PDF printer, which writes a file and is
// always there. The methods are virtual so that tests can put a device of
// their own (one that fails, one with given dimensions) in its place.
class PrinterDevice
{
public:
    // A printer of the system's print service, by its name.
    static std::unique_ptr<PrinterDevice> system(const QString &name);
    // The PDF printer. Without an output file it writes print.pdf in AppDir/Temp.
    static std::unique_ptr<PrinterDevice> pdf(const QString &outputFile = QString());

    virtual ~PrinterDevice();

    virtual QString name() const;

    // The present job settings; nothing when the device has none to give.
    virtual std::optional<TDeviceMode> deviceMode() const;
    // Selects the printer again, so that its job settings are read afresh.
    virtual void reload();
    // Makes the record's paper and orientation the printer's. Throws AppError
    // when the printer does not take them; its settings then stay as they were.
    virtual void applyDeviceMode(const TDeviceMode &mode);

    // Dots per inch, horizontal and vertical.
    virtual QSize resolution() const;
    // The whole sheet in device dots, as oriented (not only the printable area).
    virtual QSize physicalPageSize() const;

    // The printer to draw on or to hand to a print dialog.
    QPrinter &printer();

    // The copies, pages and file the print dialog last gave for this printer.
    const PrintJobOptions &jobOptions() const { return m_job; }
    void setJobOptions(const PrintJobOptions &job) { m_job = job; }

protected:
    PrinterDevice(const QString &name, bool isPdf, const QString &outputFile);

private:
    void configure();

    QString m_name;
    bool m_isPdf;
    QString m_outputFile; // PDF printer: chosen output file, empty for the default
    QString m_defaultOutputFile; // PDF printer: the default last handed to the QPrinter
    std::unique_ptr<QPrinter> m_printer;
    PrintJobOptions m_job;
};
