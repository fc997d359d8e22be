#include "recordingcanvas.h"

#include "base/apperror.h"

RecordingCanvas::RecordingCanvas(int /*unitsPerInchX*/, int unitsPerInchY)
    : m_unitsPerInchY(unitsPerInchY)
{ }

void RecordingCanvas::failNext(Op op)
{
    m_failing.append(op);
}

void RecordingCanvas::record(Op op)
{
    m_operations.append(op);
    if (m_failing.removeOne(op))
        throw AppError(QStringLiteral("画布操作失败。"));
}

QList<RecordingCanvas::Text> RecordingCanvas::textsEqualTo(const QString &text) const
{
    QList<Text> found;
    for (const Text &t : m_texts)
        if (t.text == text)
            found.append(t);
    return found;
}

QSize RecordingCanvas::measure(const QString &text, int fontHeight, bool bold)
{
    qint64 halves = 0;
    for (const QChar c : text)
        halves += c.unicode() < 128 ? 1 : 2;
    const qint64 width = halves * fontHeight / 2 + (bold ? text.size() : 0);
    return QSize(static_cast<int>(width), fontHeight * 5 / 4 + (bold ? 2 : 0));
}

int RecordingCanvas::unitsOfPoints(int points) const
{
    return FontPointsToUnits(points, m_unitsPerInchY);
}

void RecordingCanvas::setFontName(const QString &face)
{
    record(Op::SetFontName);
    m_face = face;
}

void RecordingCanvas::setFontBold(bool bold)
{
    record(Op::SetFontBold);
    m_bold = bold;
}

void RecordingCanvas::setFontColor(const QColor &color)
{
    record(Op::SetFontColor);
    m_fontColor = color;
}

void RecordingCanvas::setFontSize(int points)
{
    record(Op::SetFontSize);
    m_points = points;
}

QSize RecordingCanvas::textExtent(const QString &text)
{
    record(Op::TextExtent);
    return measure(text, unitsOfPoints(m_points), m_bold);
}

void RecordingCanvas::textOut(int x, int y, const QString &text)
{
    record(Op::TextOut);
    m_texts.append(
        { text, QPoint(x, y), false, {}, m_face, m_bold, m_points, unitsOfPoints(m_points), m_fontColor });
}

void RecordingCanvas::setPenColor(const QColor &color)
{
    record(Op::SetPenColor);
    m_penColor = color;
}

void RecordingCanvas::setPenWidth(int width)
{
    record(Op::SetPenWidth);
    m_penWidth = width;
}

void RecordingCanvas::moveTo(int x, int y)
{
    record(Op::MoveTo);
    m_position = QPoint(x, y);
}

void RecordingCanvas::lineTo(int x, int y)
{
    record(Op::LineTo);
    const QPoint to(x, y);
    m_lines.append({ m_position, to, m_penWidth, m_penColor });
    m_position = to;
}

ReportCanvas::FontHandle RecordingCanvas::createFont(const LogicalFont &font)
{
    record(Op::CreateFont);
    const FontHandle handle = m_nextHandle++;
    m_madeFonts.append(font);
    m_live.insert(handle, font);
    return handle;
}

ReportCanvas::FontHandle RecordingCanvas::selectFont(FontHandle font)
{
    record(Op::SelectFont);
    if (font != CanvasFont && !m_live.contains(font))
        throw AppError(QStringLiteral("无效的字体句柄 %1。").arg(font));
    const FontHandle previous = m_selected;
    m_selected = font;
    return previous;
}

void RecordingCanvas::deleteFont(FontHandle font)
{
    record(Op::DeleteFont);
    if (font == m_selected || !m_live.remove(font))
        throw AppError(QStringLiteral("不能删除字体 %1。").arg(font));
}

void RecordingCanvas::textOutClipped(int x, int y, const CanvasRect &clip, const QString &text)
{
    record(Op::TextOutClipped);
    Text drawn { text, QPoint(x, y), true, clip, m_face, m_bold, m_points, unitsOfPoints(m_points),
        m_fontColor };
    if (m_selected != CanvasFont) {
        const LogicalFont &font = m_live.value(m_selected);
        drawn.face = font.face;
        drawn.bold = false;
        drawn.points = 0;
        drawn.height = font.charHeight;
    }
    m_texts.append(drawn);
}

void RecordingCanvas::fillRect(const CanvasRect &rect)
{
    record(Op::FillRect);
    m_fills.append(rect);
}
