#pragma once

#include "output/reportcanvas.h"

#include <QHash>
#include <QList>
#include <QPoint>

// A canvas that draws nothing and records every operation with its exact
// coordinates, pen and font, for checking page layouts to the unit. It
// measures texts by a fixed rule instead of a real font, so that the same
// layout gives the same record on every machine: a character below 128 is
// half the font's height in units wide, any other character the full
// height, and a line of text is 5/4 of the height tall; bold text is one
// unit wider per character and its line two units taller.
class RecordingCanvas : public ReportCanvas
{
public:
    enum class Op {
        SetFontName,
        SetFontBold,
        SetFontColor,
        SetFontSize,
        TextExtent,
        TextOut,
        SetPenColor,
        SetPenWidth,
        MoveTo,
        LineTo,
        CreateFont,
        SelectFont,
        DeleteFont,
        TextOutClipped,
        FillRect,
    };

    // A text as drawn, with the font it was drawn in.
    struct Text
    {
        QString text;
        QPoint at; // top-left corner
        bool clipped = false;
        CanvasRect clip; // clipped texts only
        QString face;
        bool bold = false;
        int points = 0; // canvas font size; 0 for a made font
        int height = 0; // font height in units
        QColor color;
    };

    struct Line
    {
        QPoint from;
        QPoint to;
        int width = 0;
        QColor color;
    };

    RecordingCanvas(int unitsPerInchX, int unitsPerInchY);

    // The next call of the operation throws, as on a canvas that lost its device.
    void failNext(Op op);

    const QList<Op> &operations() const { return m_operations; }
    const QList<Text> &texts() const { return m_texts; }
    const QList<Line> &lines() const { return m_lines; }
    const QList<CanvasRect> &fills() const { return m_fills; }
    const QList<LogicalFont> &createdFonts() const { return m_madeFonts; }
    // Fonts made and not yet deleted.
    int liveFonts() const { return int(m_live.size()); }
    FontHandle selectedFont() const { return m_selected; }

    // The texts drawn that equal the given one, in drawing order.
    QList<Text> textsEqualTo(const QString &text) const;

    // The extent of a text in a font of the given height, by the rule above.
    static QSize measure(const QString &text, int fontHeight, bool bold = false);
    // Font height in units of a canvas font of the given size on this canvas.
    int unitsOfPoints(int points) const;

    void setFontName(const QString &face) override;
    void setFontBold(bool bold) override;
    void setFontColor(const QColor &color) override;
    void setFontSize(int points) override;
    QSize textExtent(const QString &text) override;
    void textOut(int x, int y, const QString &text) override;

    void setPenColor(const QColor &color) override;
    void setPenWidth(int width) override;
    void moveTo(int x, int y) override;
    void lineTo(int x, int y) override;

    FontHandle createFont(const LogicalFont &font) override;
    FontHandle selectFont(FontHandle font) override;
    void deleteFont(FontHandle font) override;
    void textOutClipped(int x, int y, const CanvasRect &clip, const QString &text) override;

    void fillRect(const CanvasRect &rect) override;

private:
    void record(Op op);

    int m_unitsPerInchY;
    QList<Op> m_operations;
    QList<Op> m_failing;
    QList<Text> m_texts;
    QList<Line> m_lines;
    QList<CanvasRect> m_fills;
    QList<LogicalFont> m_madeFonts;
    QHash<FontHandle, LogicalFont> m_live;
    FontHandle m_nextHandle = 1;
    FontHandle m_selected = CanvasFont;

    QString m_face;
    bool m_bold = false;
    QColor m_fontColor = Qt::black;
    int m_points = 10;
    QColor m_penColor = Qt::black;
    int m_penWidth = 1;
    QPoint m_position;
};
