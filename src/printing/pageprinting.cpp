#include "printing/pageprinting.h"

#include "base/apperror.h"
#include "base/filebytes.h"
#include "base/processstate.h"
#include "base/version.h"
#include "output/pagefiles.h"
#include "output/paintercanvas.h"
#include "output/pdftextlog.h"
#include "output/pdftextrepair.h"
#include "printing/currentprinter.h"
#include "printing/printerdevice.h"

#include <QPrinter>

PagePrintJob::PagePrintJob(PrinterDevice &printer, const QString &title)
    : m_device(printer)
    , m_title(title)
{ }

PagePrintJob::~PagePrintJob()
{
    if (m_painter.isActive())
        m_painter.end();
}

void PagePrintJob::printPage(const QString &pageFile)
{
    QPrinter &printer = m_device.printer();
    if (m_pages == 0) {
        printer.setDocName(m_title);
        printer.setCreator(AppTitle + u' ' + QLatin1String(AppVersion));
        if (!m_painter.begin(&printer))
            throw AppError(QStringLiteral("打印机 ") + m_device.name() + QStringLiteral(" 不能开始打印!"));
        if (printer.outputFormat() == QPrinter::PdfFormat)
            m_textLog = std::make_unique<PdfTextLog>();
    } else if (!printer.newPage()) {
        throw AppError(QStringLiteral("打印机 ") + m_device.name() + QStringLiteral(" 不能开始新的一页!"));
    }
    ++m_pages;
    if (m_textLog)
        m_textLog->startPage();
    const QSize dpi = m_device.resolution();
    PainterCanvas canvas(m_painter, dpi, m_textLog.get());
    DrawPageFile(canvas, false, CurrentPageGeometry(), dpi.width(), dpi.height(), pageFile);
}

void PagePrintJob::finish()
{
    if (m_painter.isActive() && !m_painter.end())
        throw AppError(QStringLiteral("打印机 ") + m_device.name() + QStringLiteral(" 不能完成打印!"));
    if (m_device.printer().printerState() == QPrinter::Error)
        throw AppError(QStringLiteral("打印机 ") + m_device.name() + QStringLiteral(" 打印出错!"));
    if (m_device.printer().outputFormat() == QPrinter::PdfFormat)
        PdfTextRepair::requireComplete(m_device.printer().outputFileName());
    if (m_textLog)
        PdfTextRepair::apply(m_device.printer().outputFileName(), *m_textLog);
}

QImage RenderPreviewPage(const QString &pageFile, int dpiX, int dpiY)
{
    PrinterDevice &printer = CurrentPrinter::device();
    return RenderPreviewPicture(pageFile, printer.physicalPageSize(), printer.resolution(), dpiX, dpiY);
}
