#pragma once

#include <QPageLayout>
#include <QPointF>

// Where a printer's drawing origin lies. Report pages are drawn in printer
// dots from the printer's own origin, the corner of the printable area its
// driver reports (for a PDF file, the sheet's corner), without any offset.
// Qt starts every printer with margins of its own (10 points on each side),
// which would move the origin further in: the page layout's margins are
// therefore set to the minimum margins the driver reports.
namespace PrintableArea {

// The layout with its margins at the printable area the driver reports.
QPageLayout layout(const QPageLayout &printerLayout);

// The drawing origin on the sheet, in millimetres from its top-left corner,
// for a layout as layout() makes it.
QPointF originMM(const QPageLayout &printerLayout);

} // namespace PrintableArea
