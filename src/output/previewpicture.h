#pragma once

#include <QImage>
#include <QSize>
#include <QString>

// A page file drawn as the print preview shows it, as a picture.

// The sheet in pixels of a preview picture at 100 %: the printer's whole
// sheet in dots, divided by the printer's and multiplied by the screen's
// dots per inch, truncated.
QSize PreviewPagePixels(const QSize &sheetDots, const QSize &printerDpi, const QSize &screenDpi);

// Draws a page file as the preview does at 100 % (IsPreview true) onto a new
// image of a sheet of the given dots at the printer's dots per inch, shown
// at dpiX x dpiY. Throws AppError when the image cannot be made or the file
// cannot be read.
QImage RenderPreviewPicture(
    const QString &pageFile, const QSize &sheetDots, const QSize &printerDpi, int dpiX, int dpiY);
