// The page file reader: its values, and the page drawn from it as the
// preview draws it.

#include "base/apperror.h"
#include "fuzzsupport.h"
#include "output/pagefiles.h"
#include "output/paintercanvas.h"

#include <QImage>
#include <QPainter>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzSupport::start();
    const QString path = FuzzSupport::scratchFile(QStringLiteral("page.tmp"), FuzzSupport::bytes(data, size));
    try {
        (void)ReadPageValues(path, 40);
        // A small picture at a low resolution: the reading, not the pixels,
        // is under test.
        QImage image(170, 240, QImage::Format_RGB32);
        QPainter painter(&image);
        PainterCanvas canvas(painter, QSize(20, 20));
        DrawPageFile(canvas, true, CurrentPageGeometry(), 20, 20, path, image.size());
    } catch (const AppError &) { }
    FuzzSupport::forgetPrompts();
    return 0;
}
