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

#include <QDir>
#include <QFile>
#include <QPrinter>

#include <cmath>

namespace {

// The PDF engine carries on when its writes fail (a full disk, the file
// size limit) and leaves a file cut short, without its closing "%%EOF".
void requireCompletePdf(const QString &path)
{
    QFile file(path);
    if (file.open(QIODevice::ReadOnly) && file.size() > 8 && file.seek(file.size() - 8)
        && file.read(8).contains("%%EOF"))
        return;
    file.close();
    // Writing on where the engine stopped makes the system name its reason.
    QString reason = QStringLiteral("文件没有写完整");
    if (file.open(QIODevice::Append | QIODevice::Unbuffered)
        && !FileBytes::writeAll(file, QByteArray(64 * 1024, '\n')))
        reason = file.errorString();
    throw AppError(
        QStringLiteral("不能写入文件 ") + QDir::toNativeSeparators(path) + QStringLiteral(": ") + reason);
}

} // namespace

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
        requireCompletePdf(m_device.printer().outputFileName());
    if (m_textLog)
        PdfTextRepair::apply(m_device.printer().outputFileName(), *m_textLog);
}

QSize PreviewPagePixels(const QSize &sheetDots, const QSize &printerDpi, const QSize &screenDpi)
{
    if (printerDpi.width() <= 0 || printerDpi.height() <= 0)
        throw AppError(QStringLiteral("打印机分辨率无效。"));
    const auto pixels = [](int dots, int printer, int screen) {
        return static_cast<int>(std::trunc(double(dots) / printer * screen));
    };
    return QSize(pixels(sheetDots.width(), printerDpi.width(), screenDpi.width()),
        pixels(sheetDots.height(), printerDpi.height(), screenDpi.height()));
}

QImage RenderPreviewPage(const QString &pageFile, int dpiX, int dpiY)
{
    PrinterDevice &printer = CurrentPrinter::device();
    const QSize pixels
        = PreviewPagePixels(printer.physicalPageSize(), printer.resolution(), QSize(dpiX, dpiY));
    QImage image(pixels, QImage::Format_RGB32);
    if (image.isNull())
        throw AppError(
            QStringLiteral("不能生成 %1 x %2 像素的图片。").arg(pixels.width()).arg(pixels.height()));
    image.setDotsPerMeterX(qRound(dpiX / 0.0254));
    image.setDotsPerMeterY(qRound(dpiY / 0.0254));
    image.fill(Qt::white);
    QPainter painter(&image);
    PainterCanvas canvas(painter, QSize(dpiX, dpiY));
    DrawPageFile(canvas, true, CurrentPageGeometry(), dpiX, dpiY, pageFile, pixels);
    painter.end();
    return image;
}
