#pragma once

#include "output/reportcanvas.h"

#include <QFont>
#include <QHash>
#include <QPen>
#include <QPoint>

class PdfTextLog;
class QPainter;

// A report canvas over a QPainter: an image for the preview picture, a
// QPrinter for the printer and for PDF files. The painter's coordinates are
// the canvas units; a preview drawn at a zoom sets a scaling transform on
// the painter beforehand, and the canvas keeps drawing in unscaled units.
class PainterCanvas : public ReportCanvas
{
public:
    // unitsPerInch: the canvas units per inch horizontally and vertically
    // (the device's dots per inch, or the screen's for a scaled preview).
    // The painter must be active for as long as the canvas draws. A PDF
    // print job gives its text log, which records every text drawn.
    PainterCanvas(QPainter &painter, const QSize &unitsPerInch, PdfTextLog *textLog = nullptr);
    ~PainterCanvas() override;

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
    QPainter &activePainter();
    const QFont &fontOf(FontHandle handle) const;
    void drawText(int x, int y, const QFont &font, const QString &text);

    QPainter &m_painter;
    QSize m_unitsPerInch;
    PdfTextLog *m_textLog;
    QFont m_font;
    QColor m_fontColor = Qt::black;
    QColor m_penColor = Qt::black;
    int m_penWidth = 1;
    QPoint m_position;
    QHash<FontHandle, QFont> m_created;
    FontHandle m_nextHandle = 1;
    FontHandle m_selected = CanvasFont;
};
