#include "printing/printablearea.h"

#include <QRectF>

QPageLayout PrintableArea::layout(const QPageLayout &printerLayout)
{
    QPageLayout aligned = printerLayout;
    aligned.setUnits(QPageLayout::Millimeter);
    aligned.setMargins(aligned.minimumMargins());
    return aligned;
}

QPointF PrintableArea::originMM(const QPageLayout &printerLayout)
{
    return printerLayout.paintRect(QPageLayout::Millimeter).topLeft();
}
