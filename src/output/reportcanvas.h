#pragma once

#include <QColor>
#include <QSize>
#include <QString>

// The drawing surface of a report page: the preview picture or the printer.
// The page layouts reach it only through the drawing primitives, which use
// these operations; every coordinate is in the canvas's own units (whole
// device dots or, on a scaled preview picture, screen pixels of the sheet at
// 100 %). Any operation may throw when the canvas cannot do it (no device,
// a font that cannot be made); the primitives catch and report that.

// A rectangle given by its edges; right and bottom lie just outside it.
struct CanvasRect
{
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    bool operator==(const CanvasRect &) const = default;
};

// A font made by the canvas from a face name and a character height (the
// height of the characters themselves, not of the line), with the face's
// own widths, regular weight, upright, not underlined or struck out.
struct LogicalFont
{
    QString face;
    int charHeight = 0; // canvas units
    int charSet = 1; // 1: the platform's default character set

    bool operator==(const LogicalFont &) const = default;
};

class ReportCanvas
{
public:
    // Names a font made by createFont; 0 stands for the canvas's own font.
    using FontHandle = int;
    static constexpr FontHandle CanvasFont = 0;

    virtual ~ReportCanvas() = default;

    // The canvas's own font, used by textExtent and textOut. A size of s
    // points is s x (the canvas's vertical units per inch) / 72 units tall.
    virtual void setFontName(const QString &face) = 0;
    virtual void setFontBold(bool bold) = 0;
    virtual void setFontColor(const QColor &color) = 0;
    virtual void setFontSize(int points) = 0;
    // Width of the text and height of a line in the canvas font.
    virtual QSize textExtent(const QString &text) = 0;
    // Draws the text in the canvas font with its top-left corner at (x, y).
    virtual void textOut(int x, int y, const QString &text) = 0;

    // The pen of lines.
    virtual void setPenColor(const QColor &color) = 0;
    virtual void setPenWidth(int width) = 0;
    virtual void moveTo(int x, int y) = 0;
    // A line from the present position to (x, y), which becomes the present position.
    virtual void lineTo(int x, int y) = 0;

    // Fonts made on the side. textOutClipped draws with the selected one.
    virtual FontHandle createFont(const LogicalFont &font) = 0;
    // Selects a font and returns the one selected before.
    virtual FontHandle selectFont(FontHandle font) = 0;
    // Deletes a font made by createFont; it must not be selected.
    virtual void deleteFont(FontHandle font) = 0;
    // Draws the text in the selected font with its top-left corner at (x, y),
    // showing only what lies inside clip.
    virtual void textOutClipped(int x, int y, const CanvasRect &clip, const QString &text) = 0;

    // Fills the rectangle with the canvas's brush (white).
    virtual void fillRect(const CanvasRect &rect) = 0;
};

// Canvas units of a font size: points x units per inch / 72, to the nearest
// whole unit with halves away from zero.
int FontPointsToUnits(int points, int unitsPerInch);
