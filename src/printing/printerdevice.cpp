#include "printing/printerdevice.h"

#include "base/apperror.h"
#include "base/processstate.h"
#include "output/pdfpagejob.h"
#include "printing/printablearea.h"

#include <QDir>
#include <QPageLayout>
#include <QPrinterInfo>

namespace {

QString defaultPdfFile()
{
    return QDir(QDir(Process.AppDir).filePath(QStringLiteral("Temp"))).filePath(QStringLiteral("print.pdf"));
}

} // namespace

std::unique_ptr<PrinterDevice> PrinterDevice::system(const QString &name)
{
    return std::unique_ptr<PrinterDevice>(new PrinterDevice(name, false, QString()));
}

std::unique_ptr<PrinterDevice> PrinterDevice::pdf(const QString &outputFile)
{
    return std::unique_ptr<PrinterDevice>(new PrinterDevice(PdfPrinterName, true, outputFile));
}

PrinterDevice::PrinterDevice(const QString &name, bool isPdf, const QString &outputFile)
    : m_name(name)
    , m_isPdf(isPdf)
    , m_outputFile(outputFile)
{
    configure();
}

PrinterDevice::~PrinterDevice() = default;

void PrinterDevice::configure()
{
    if (m_isPdf) {
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        m_printer->setOutputFormat(QPrinter::PdfFormat);
        m_printer->setResolution(PdfResolution);
        if (!m_outputFile.isEmpty())
            m_printer->setOutputFileName(m_outputFile);
    } else {
        m_printer = std::make_unique<QPrinter>(QPrinterInfo::printerInfo(m_name), QPrinter::HighResolution);
    }
    // A file has no unprintable edge: its printable area is the whole sheet.
    m_printer->setPageLayout(PrintableArea::layout(m_printer->pageLayout()));
    m_defaultOutputFile.clear();
}

QString PrinterDevice::name() const
{
    return m_name;
}

std::optional<TDeviceMode> PrinterDevice::deviceMode() const
{
    return TDeviceMode::fromPageLayout(m_printer->pageLayout());
}

void PrinterDevice::reload()
{
    configure();
}

void PrinterDevice::applyDeviceMode(const TDeviceMode &mode)
{
    const QPageLayout before = m_printer->pageLayout();
    QPageLayout wanted = before;
    if (mode.dmFields & TDeviceMode::DM_PAPERSIZE) {
        const std::optional<QPageSize> size = mode.pageSize();
        if (!size)
            throw AppError(QStringLiteral("打印机不支持所选的纸张。"));
        wanted.setPageSize(*size);
    }
    if (mode.dmFields & TDeviceMode::DM_ORIENTATION) {
        if (mode.dmOrientation != TDeviceMode::DMORIENT_PORTRAIT
            && mode.dmOrientation != TDeviceMode::DMORIENT_LANDSCAPE)
            throw AppError(QStringLiteral("打印机不支持所选的方向。"));
        wanted.setOrientation(mode.dmOrientation == TDeviceMode::DMORIENT_LANDSCAPE ? QPageLayout::Landscape
                                                                                    : QPageLayout::Portrait);
    }
    const bool taken = m_printer->setPageLayout(wanted);
    const QPageLayout now = m_printer->pageLayout();
    if (!taken || !now.pageSize().isEquivalentTo(wanted.pageSize())
        || now.orientation() != wanted.orientation()) {
        m_printer->setPageLayout(before);
        throw AppError(QStringLiteral("打印机不接受所选的纸张或方向。"));
    }
    // Another paper may have another printable area.
    m_printer->setPageLayout(PrintableArea::layout(now));
}

QSize PrinterDevice::resolution() const
{
    const QSize dpi(m_printer->logicalDpiX(), m_printer->logicalDpiY());
    if (dpi.width() <= 0 || dpi.height() <= 0)
        throw AppError(QStringLiteral("不能读取打印机的分辨率。"));
    return dpi;
}

QSize PrinterDevice::physicalPageSize() const
{
    const QSize sheet = m_printer->paperRect(QPrinter::DevicePixel).size().toSize();
    if (sheet.isEmpty())
        throw AppError(QStringLiteral("不能读取打印纸的尺寸。"));
    return sheet;
}

QPrinter &PrinterDevice::printer()
{
    // The default PDF file follows AppDir, unless a print dialog has since
    // pointed the printer elsewhere.
    if (m_isPdf && m_outputFile.isEmpty() && m_printer->outputFormat() == QPrinter::PdfFormat
        && (m_printer->outputFileName().isEmpty() || m_printer->outputFileName() == m_defaultOutputFile)) {
        m_defaultOutputFile = defaultPdfFile();
        m_printer->setOutputFileName(m_defaultOutputFile);
    }
    return *m_printer;
}
