#pragma once

#include "output/outputstate.h"
#include "output/pagevalues.h"

class ReportCanvas;

// Page 1 of a report, the cover: the title and seven labelled entries placed
// by the report's page settings (OutputProcess.CurrentPageSettings), and the
// product mark that both pages carry above their footer margin.

// Height of one cover entry row, in millimetres.
inline constexpr int CoverRowHeight = 9;

// The title of both pages.
inline const QString ReportTitle = QStringLiteral("房屋安全鉴定报告");

// The product mark: the product title in corner brackets.
QString PageMarkText();

// Draws the cover's title and entries. Geometry in inches. A failure other
// than a primitive's stops the cover there and shows "打印封面错误!".
void DrawCoverPage(ReportCanvas &canvas, bool IsPreview, int DpiX, int DpiY, double pageWidth,
    double leftMargin, double topMargin, double rightMargin, const CoverValues &values);

// Draws the product mark, its right end 10 mm left of the right margin line
// and the bottom of its line the footer margin above the page's bottom
// edge. Geometry in inches. Other failures show "打印封面页脚错误!".
void DrawPageMark(ReportCanvas &canvas, bool IsPreview, int DpiX, int DpiY, double pageWidth,
    double pageHeight, double rightMargin, double footerMargin);
