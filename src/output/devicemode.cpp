#include "output/devicemode.h"

#include <QPageLayout>
#include <QPageSize>
#include <QSizeF>

#include <algorithm>
#include <cmath>

namespace {

// Millimetres to the 16-bit tenths of the record, limited to what fits.
qint16 tenthsOfMM(double mm)
{
    return static_cast<qint16>(std::clamp(std::lround(mm * 10.0), 0L, 32767L));
}

} // namespace

TDeviceMode TDeviceMode::fromPageLayout(const QPageLayout &layout)
{
    TDeviceMode mode;
    mode.dmFields = DM_ORIENTATION | DM_PAPERSIZE;
    mode.dmOrientation =
        layout.orientation() == QPageLayout::Landscape ? DMORIENT_LANDSCAPE : DMORIENT_PORTRAIT;
    const QPageSize size = layout.pageSize();
    const QSizeF sheet = size.size(QPageSize::Millimeter);
    mode.dmPaperWidth = tenthsOfMM(sheet.width());
    mode.dmPaperLength = tenthsOfMM(sheet.height());
    switch (size.id()) {
    case QPageSize::A4:
        mode.dmPaperSize = DMPAPER_A4;
        break;
    case QPageSize::JisB5:
        mode.dmPaperSize = DMPAPER_B5;
        break;
    default:
        mode.dmPaperSize = DMPAPER_USER;
        mode.dmFields |= DM_PAPERWIDTH | DM_PAPERLENGTH;
        break;
    }
    return mode;
}

std::optional<QPageSize> TDeviceMode::pageSize() const
{
    switch (dmPaperSize) {
    case DMPAPER_A4:
        return QPageSize(QPageSize::A4);
    case DMPAPER_B5:
        // The B5 of printer drivers is the Japanese one, not ISO B5 (176 x 250 mm).
        return QPageSize(QPageSize::JisB5);
    case DMPAPER_USER:
        if (dmPaperWidth <= 0 || dmPaperLength <= 0)
            return std::nullopt;
        return QPageSize(QSizeF(dmPaperWidth / 10.0, dmPaperLength / 10.0), QPageSize::Millimeter, QString(),
                         QPageSize::ExactMatch);
    default:
        return std::nullopt;
    }
}
