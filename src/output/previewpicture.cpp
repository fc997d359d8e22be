#include "output/previewpicture.h"

#include "base/apperror.h"
#include "output/pagefiles.h"
#include "output/paintercanvas.h"

#include <QPainter>

#include <cmath>

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

QImage RenderPreviewPicture(
    const QString &pageFile, const QSize &sheetDots, const QSize &printerDpi, int dpiX, int dpiY)
{
    const QSize pixels = PreviewPagePixels(sheetDots, printerDpi, QSize(dpiX, dpiY));
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
