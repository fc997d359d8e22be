#include "output/paper.h"

#include "base/apperror.h"
#include "base/prompt.h"
#include "output/outputstate.h"

#include <QPageSize>

#include <limits>

namespace {

// Largest sheet side the 16-bit tenths-of-a-millimetre fields can hold.
constexpr int MaxPaperMM = std::numeric_limits<qint16>::max() / 10;

qint16 paperTenths(int mm)
{
    if (mm <= 0 || mm > MaxPaperMM)
        throw AppError(QStringLiteral("纸张尺寸 %1 毫米超出打印机可设置的范围。").arg(mm));
    return static_cast<qint16>(mm * 10);
}

} // namespace

// A custom sheet is given upright: in landscape the page height is the
// sheet's width.
void WritePaper(TDeviceMode &mode, const QString &paperStyle, const TPageSettings &page, int orientation)
{
    mode.dmFields |= TDeviceMode::DM_PAPERWIDTH | TDeviceMode::DM_PAPERLENGTH | TDeviceMode::DM_ORIENTATION;
    const bool portrait = orientation == 0;
    mode.dmOrientation = portrait ? TDeviceMode::DMORIENT_PORTRAIT : TDeviceMode::DMORIENT_LANDSCAPE;
    if (paperStyle == QLatin1String("B5")) {
        mode.dmPaperSize = TDeviceMode::DMPAPER_B5;
    } else if (paperStyle == QLatin1String("A4")) {
        mode.dmPaperSize = TDeviceMode::DMPAPER_A4;
    } else {
        mode.dmPaperSize = TDeviceMode::DMPAPER_USER;
        mode.dmPaperWidth = paperTenths(portrait ? page.PageWidth : page.PageHeight);
        mode.dmPaperLength = paperTenths(portrait ? page.PageHeight : page.PageWidth);
    }
}

QPageLayout PaperLayout(const TPageSettings &page)
{
    TDeviceMode mode;
    WritePaper(mode, page.PageStyle, page, page.PageOrientation);
    const std::optional<QPageSize> size = mode.pageSize();
    if (!size)
        throw AppError(QStringLiteral("打印机不支持所选的纸张。"));
    const auto orientation = mode.dmOrientation == TDeviceMode::DMORIENT_LANDSCAPE ? QPageLayout::Landscape
                                                                                   : QPageLayout::Portrait;
    return QPageLayout(*size, orientation, QMarginsF());
}

void CopyPageGeometry(const TPageSettings &page, TPrinterPageGeometry &geometry)
{
    geometry.PageWidth = page.PageWidth;
    geometry.PageHeight = page.PageHeight;
    geometry.LeftMargin = page.LeftMargin;
    geometry.TopMargin = page.TopMargin;
    geometry.RightMargin = page.RightMargin;
    geometry.BottomMargin = page.BottomMargin;
}

PaperSheet::PaperSheet()
    : m_layout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF())
    , m_previousSheetIsPortrait(OutputProcess.SheetIsPortrait)
{
    OutputProcess.SheetIsPortrait = [this] { return m_layout.orientation() == QPageLayout::Portrait; };
}

PaperSheet::~PaperSheet()
{
    OutputProcess.SheetIsPortrait = m_previousSheetIsPortrait;
}

bool PaperSheet::setUpCurrentPaper()
{
    CopyPageGeometry(OutputProcess.CurrentPageSettings, OutputProcess.PrinterPageGeometry);
    try {
        m_layout = PaperLayout(OutputProcess.CurrentPageSettings);
        return true;
    } catch (const std::exception &) {
        Prompt::warning(QStringLiteral("初始化打印机错误!"));
        return false;
    }
}
