#include "output/paintercanvas.h"

#include "base/apperror.h"
#include "output/fontsubstitutes.h"
#include "output/pdftextlog.h"
#include "output/textglyphs.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace {

QFont reportFont(const QString &face)
{
    QFont font;
    font.setFamilies(FontSubstitutes::families(face));
    // Texts are placed character by character as measured: without pair
    // kerning, ligatures or contextual forms.
    font.setKerning(false);
    font.setStyleStrategy(QFont::PreferNoShaping);
    return font;
}

QRect toQRect(const CanvasRect &rect)
{
    return QRect(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
}

} // namespace

PainterCanvas::PainterCanvas(QPainter &painter, const QSize &unitsPerInch, PdfTextLog *textLog)
    : m_painter(painter)
    , m_unitsPerInch(unitsPerInch)
    , m_textLog(textLog)
    , m_font(reportFont(QString()))
{
    m_font.setPixelSize(std::max(1, FontPointsToUnits(10, unitsPerInch.height())));
}

PainterCanvas::~PainterCanvas() = default;

QPainter &PainterCanvas::activePainter()
{
    if (!m_painter.isActive())
        throw AppError(QStringLiteral("画布没有可绘制的设备。"));
    return m_painter;
}

void PainterCanvas::setFontName(const QString &face)
{
    const int pixels = m_font.pixelSize();
    const bool bold = m_font.bold();
    m_font = reportFont(face);
    m_font.setPixelSize(pixels);
    m_font.setBold(bold);
}

void PainterCanvas::setFontBold(bool bold)
{
    m_font.setBold(bold);
}

void PainterCanvas::setFontColor(const QColor &color)
{
    m_fontColor = color;
}

void PainterCanvas::setFontSize(int points)
{
    // A font needs at least one unit; smaller requests get the smallest font.
    m_font.setPixelSize(std::max(1, FontPointsToUnits(points, m_unitsPerInch.height())));
}

QSize PainterCanvas::textExtent(const QString &text)
{
    const QFontMetrics metrics(m_font, activePainter().device());
    return QSize(text.isEmpty() ? 0 : metrics.horizontalAdvance(text), metrics.height());
}

void PainterCanvas::drawText(int x, int y, const QFont &font, const QString &text)
{
    QPainter &painter = activePainter();
    if (text.isEmpty())
        return;
    painter.setPen(QPen(m_fontColor));
    const TextGlyphs glyphs(text, font, painter.device());
    glyphs.draw(painter, QPointF(x, y));
    if (m_textLog)
        m_textLog->add(glyphs);
}

void PainterCanvas::textOut(int x, int y, const QString &text)
{
    drawText(x, y, m_font, text);
}

void PainterCanvas::setPenColor(const QColor &color)
{
    m_penColor = color;
}

void PainterCanvas::setPenWidth(int width)
{
    m_penWidth = width;
}

void PainterCanvas::moveTo(int x, int y)
{
    m_position = QPoint(x, y);
}

void PainterCanvas::lineTo(int x, int y)
{
    QPainter &painter = activePainter();
    painter.setPen(QPen(m_penColor, std::max(1, m_penWidth), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    const QPoint to(x, y);
    painter.drawLine(m_position, to);
    m_position = to;
}

ReportCanvas::FontHandle PainterCanvas::createFont(const LogicalFont &font)
{
    if (font.charHeight < 1)
        throw AppError(QStringLiteral("不能创建高度为 %1 的字体。").arg(font.charHeight));
    QFont made = reportFont(font.face);
    made.setPixelSize(font.charHeight);
    const FontHandle handle = m_nextHandle++;
    m_created.insert(handle, made);
    return handle;
}

const QFont &PainterCanvas::fontOf(FontHandle handle) const
{
    if (handle == CanvasFont)
        return m_font;
    const auto found = m_created.constFind(handle);
    if (found == m_created.constEnd())
        throw AppError(QStringLiteral("无效的字体句柄 %1。").arg(handle));
    return *found;
}

ReportCanvas::FontHandle PainterCanvas::selectFont(FontHandle font)
{
    fontOf(font); // refuses an unknown handle
    const FontHandle previous = m_selected;
    m_selected = font;
    return previous;
}

void PainterCanvas::deleteFont(FontHandle font)
{
    if (font == m_selected || !m_created.remove(font))
        throw AppError(QStringLiteral("不能删除字体 %1。").arg(font));
}

void PainterCanvas::textOutClipped(int x, int y, const CanvasRect &clip, const QString &text)
{
    QPainter &painter = activePainter();
    const QFont &font = fontOf(m_selected);
    if (clip.right <= clip.left || clip.bottom <= clip.top)
        return;
    painter.save();
    painter.setClipRect(toQRect(clip));
    drawText(x, y, font, text);
    painter.restore();
}

void PainterCanvas::fillRect(const CanvasRect &rect)
{
    QPainter &painter = activePainter();
    if (rect.right <= rect.left || rect.bottom <= rect.top)
        return;
    painter.fillRect(toQRect(rect), Qt::white);
}
