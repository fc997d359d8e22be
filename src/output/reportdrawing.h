#pragma once

#include "output/reportcanvas.h"

#include <QString>
#include <QtGlobal>

// The drawing primitives through which every line and text of a report page
// is drawn. Positions and sizes are inches (doubles); a primitive turns them
// into canvas units with DpiX horizontally and DpiY vertically. Each
// primitive catches its own failures, shows its warning (caption AppTitle)
// and returns normally, so the page goes on being drawn.

// Placement of a text in its cell.
enum class TCellAlign : quint8 { Left = 0, Center = 1, Right = 2 };

enum class TFontStyle { Regular, Bold };

// A placement box in inches; nothing is drawn for it.
struct TCell
{
    double Left = 0;
    double Top = 0;
    double Right = 0;
    double Bottom = 0;
};

// Sets face, style, colour (black) and size of the canvas font. On the
// printer (IsPreview false) with DpiY > DpiX and the current printer in
// portrait, the size is one point smaller. "设置字体错误!" on failure.
void SetReportFont(ReportCanvas &canvas, const QString &face, TFontStyle style, int size, bool IsPreview,
    int DpiX, int DpiY);

// Height of a line of the text in the canvas font, in inches; 0 and
// "计算文本高度错误!" on failure.
double ReportTextHeight(ReportCanvas &canvas, const QString &text, int DpiY);
// Width of the text in the canvas font, in inches; 0 and "计算文本宽度错误!" on failure.
double ReportTextWidth(ReportCanvas &canvas, const QString &text, int DpiX);

// A line with the canvas's pen, both ends taken to the next whole unit
// upwards. "画线错误!" on failure.
void DrawReportLine(ReportCanvas &canvas, int DpiX, int DpiY, double x1, double y1, double x2, double y2);

// The text in the canvas font, placed in the cell by the alignment and
// centred vertically; not clipped. "绘制文本错误!" on failure.
void DrawCellText(
    ReportCanvas &canvas, const QString &text, int DpiX, int DpiY, const TCell &cell, TCellAlign align);

// The text in a 10-point "宋体" made for the call, placed with the measures
// of the canvas font two units lower than DrawCellText places it, and clipped
// to its box. The canvas font stays as it was. "绘制文本错误!" on failure; the
// made font is released in every case.
void DrawClippedCellText(
    ReportCanvas &canvas, const QString &text, int DpiX, int DpiY, const TCell &cell, TCellAlign align);

// Pen widths of the report table's rules, in canvas units.
int ThinPenWidth(bool IsPreview);
int ThickPenWidth(bool IsPreview);

// trunc(x), plus one when x is not whole. Throws AppError when the result
// is not a representable whole number.
int RoundUp(double x);

// The nearest whole canvas unit, halves to even. Throws AppError when the
// value is not a representable whole number.
int NearestUnit(double value);

// Character height of the font of DrawClippedCellText: ten points at DpiY,
// trunc(DpiY x 100 / 720 + 0.5) units.
int ClippedFontHeight(int DpiY);
