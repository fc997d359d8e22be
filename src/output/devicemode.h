#pragma once

#include <QtGlobal>

#include <optional>

class QPageLayout;
class QPageSize;

// A printer's job settings as the page set-up sees them: which fields are
// present, the orientation, the paper code and the size of the upright sheet
// in 16-bit tenths of a millimetre. The numbers are those printer drivers
// have always used, so page settings read the same on every platform.
struct TDeviceMode
{
    // Fields-present flags.
    static constexpr quint32 DM_ORIENTATION = 0x1;
    static constexpr quint32 DM_PAPERSIZE = 0x2;
    static constexpr quint32 DM_PAPERLENGTH = 0x4;
    static constexpr quint32 DM_PAPERWIDTH = 0x8;

    // Orientations.
    static constexpr qint16 DMORIENT_PORTRAIT = 1;
    static constexpr qint16 DMORIENT_LANDSCAPE = 2;

    // Paper codes.
    static constexpr qint16 DMPAPER_A4 = 9;     // 210 x 297 mm
    static constexpr qint16 DMPAPER_B5 = 13;    // JIS B5, 182 x 257 mm
    static constexpr qint16 DMPAPER_USER = 256; // size given by dmPaperWidth x dmPaperLength

    quint32 dmFields = 0;
    qint16 dmOrientation = DMORIENT_PORTRAIT;
    qint16 dmPaperSize = DMPAPER_A4;
    qint16 dmPaperLength = 0; // tenths of a millimetre, upright sheet
    qint16 dmPaperWidth = 0;  // tenths of a millimetre, upright sheet

    bool operator==(const TDeviceMode &) const = default;

    // The record that describes a page layout.
    static TDeviceMode fromPageLayout(const QPageLayout &layout);

    // The sheet the record asks for; nothing when its paper code is not one
    // of the three above or its custom size is not positive.
    std::optional<QPageSize> pageSize() const;
};
