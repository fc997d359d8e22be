#include "output/reportdrawing.h"

#include "base/apperror.h"
#include "base/prompt.h"
#include "output/outputstate.h"
#include "output/units.h"

#include <QSizeF>

#include <cmath>
#include <limits>
#include <optional>

namespace {

// A canvas coordinate from a value in units: refuses what no int can hold.
int checkedUnits(double value)
{
    if (!std::isfinite(value) || value < std::numeric_limits<int>::min()
        || value > std::numeric_limits<int>::max())
        throw AppError(QStringLiteral("坐标 %1 超出画布范围。").arg(value));
    return static_cast<int>(value);
}

int truncated(double value)
{
    return checkedUnits(std::trunc(value));
}

void requirePositive(int dpi)
{
    if (dpi <= 0)
        throw AppError(QStringLiteral("分辨率 %1 无效。").arg(dpi));
}

bool sheetIsPortrait()
{
    if (!OutputProcess.SheetIsPortrait)
        throw AppError(QStringLiteral("不能读取打印机的方向。"));
    return OutputProcess.SheetIsPortrait();
}

// Width and height of the text in the canvas font, in inches; throws.
double textWidth(ReportCanvas &canvas, const QString &text, int DpiX)
{
    requirePositive(DpiX);
    return canvas.textExtent(text).width() / static_cast<double>(DpiX);
}

double textHeight(ReportCanvas &canvas, const QString &text, int DpiY)
{
    requirePositive(DpiY);
    return canvas.textExtent(text).height() / static_cast<double>(DpiY);
}

// Both from one measurement.
QSizeF textSize(ReportCanvas &canvas, const QString &text, int DpiX, int DpiY)
{
    requirePositive(DpiX);
    requirePositive(DpiY);
    const QSize extent = canvas.textExtent(text);
    return { extent.width() / static_cast<double>(DpiX), extent.height() / static_cast<double>(DpiY) };
}

// The left and right edge of a text of width w in the cell, by alignment.
struct Span
{
    double left;
    double right;
};

Span horizontalSpan(const TCell &cell, double w, TCellAlign align)
{
    switch (align) {
    case TCellAlign::Center: {
        const double d = ((cell.Right - cell.Left) - w) / 2;
        return { cell.Left + d, cell.Right - d };
    }
    case TCellAlign::Right:
        return { cell.Right - w, cell.Right };
    case TCellAlign::Left:
        break;
    }
    return { cell.Left, cell.Right };
}

// Releases the font made by DrawClippedCellText however the drawing ends:
// the previous font selected again, the made one deleted.
class MadeFont
{
public:
    MadeFont(ReportCanvas &canvas, const LogicalFont &font)
        : m_canvas(canvas)
        , m_handle(canvas.createFont(font))
    { }
    MadeFont(const MadeFont &) = delete;
    MadeFont &operator=(const MadeFont &) = delete;

    void select() { m_previous = m_canvas.selectFont(m_handle); }

    // The normal way out; a failure here is reported by the caller.
    void release()
    {
        if (m_previous) {
            m_canvas.selectFont(*m_previous);
            m_previous.reset();
        }
        m_released = true;
        m_canvas.deleteFont(m_handle);
    }

    ~MadeFont()
    {
        if (m_released)
            return;
        try {
            if (m_previous)
                m_canvas.selectFont(*m_previous);
            m_canvas.deleteFont(m_handle);
        } catch (...) {
            // Already failing: the primitive reports the first failure.
        }
    }

private:
    ReportCanvas &m_canvas;
    ReportCanvas::FontHandle m_handle;
    std::optional<ReportCanvas::FontHandle> m_previous;
    bool m_released = false;
};

template<typename Body> auto guarded(const QString &message, Body &&body) -> decltype(body())
{
    try {
        return body();
    } catch (...) {
        Prompt::warning(message);
        return decltype(body())();
    }
}

} // namespace

int NearestUnit(double value)
{
    return checkedUnits(roundHalfEven(value));
}

int RoundUp(double x)
{
    const double whole = std::trunc(x);
    return checkedUnits(x == whole ? whole : whole + 1);
}

int ThinPenWidth(bool IsPreview)
{
    return IsPreview ? 1 : 3;
}

int ThickPenWidth(bool IsPreview)
{
    return IsPreview ? 3 : 9;
}

int ClippedFontHeight(int DpiY)
{
    return truncated(DpiY * 100.0 / 720.0 + 0.5);
}

void SetReportFont(
    ReportCanvas &canvas, const QString &face, TFontStyle style, int size, bool IsPreview, int DpiX, int DpiY)
{
    guarded(QStringLiteral("设置字体错误!"), [&] {
        int points = size;
        if (!IsPreview && DpiY > DpiX && sheetIsPortrait())
            points -= 1;
        canvas.setFontName(face);
        canvas.setFontBold(style == TFontStyle::Bold);
        canvas.setFontColor(Qt::black);
        canvas.setFontSize(points);
    });
}

double ReportTextHeight(ReportCanvas &canvas, const QString &text, int DpiY)
{
    return guarded(QStringLiteral("计算文本高度错误!"), [&] { return textHeight(canvas, text, DpiY); });
}

double ReportTextWidth(ReportCanvas &canvas, const QString &text, int DpiX)
{
    return guarded(QStringLiteral("计算文本宽度错误!"), [&] { return textWidth(canvas, text, DpiX); });
}

void DrawReportLine(ReportCanvas &canvas, int DpiX, int DpiY, double x1, double y1, double x2, double y2)
{
    guarded(QStringLiteral("画线错误!"), [&] {
        canvas.moveTo(RoundUp(DpiX * x1), RoundUp(DpiY * y1));
        canvas.lineTo(RoundUp(DpiX * x2), RoundUp(DpiY * y2));
    });
}

void DrawCellText(
    ReportCanvas &canvas, const QString &text, int DpiX, int DpiY, const TCell &cell, TCellAlign align)
{
    guarded(QStringLiteral("绘制文本错误!"), [&] {
        const QSizeF size = textSize(canvas, text, DpiX, DpiY);
        const int x = NearestUnit(DpiX * horizontalSpan(cell, size.width(), align).left);
        const int y = truncated(DpiY * (cell.Top + ((cell.Bottom - cell.Top) - size.height()) / 2));
        canvas.textOut(x, y, text);
    });
}

void DrawClippedCellText(
    ReportCanvas &canvas, const QString &text, int DpiX, int DpiY, const TCell &cell, TCellAlign align)
{
    guarded(QStringLiteral("绘制文本错误!"), [&] {
        const QSizeF size = textSize(canvas, text, DpiX, DpiY);
        const Span span = horizontalSpan(cell, size.width(), align);
        const double e = ((cell.Bottom - cell.Top) - size.height()) / 2;
        const CanvasRect box { NearestUnit(DpiX * span.left), truncated(DpiY * (cell.Top + e) + 2),
            NearestUnit(DpiX * span.right), truncated(DpiY * (cell.Bottom - e) + 2) };
        MadeFont font(canvas, { QStringLiteral("宋体"), ClippedFontHeight(DpiY), 1 });
        font.select();
        canvas.textOutClipped(box.left, box.top, box, text);
        font.release();
    });
}
