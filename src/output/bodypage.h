#pragma once

#include "output/outputstate.h"
#include "output/pagevalues.h"

#include <QStringList>

class ReportCanvas;

// Page 2 of a report, the body: the title with the report's number, then one
// ruled table of nine sections running down the page, laid out by the
// report's page settings (OutputProcess.CurrentPageSettings). The table's last two
// sections take the signature data from OutputProcess.ActiveSignatures at drawing
// time.

// The title and the file number above the table. Geometry in inches. A
// failure other than a primitive's shows "打印表格表头错误!".
void DrawBodyHeader(ReportCanvas &canvas, bool IsPreview, int DpiX, int DpiY, double pageWidth,
    double leftMargin, double topMargin, double rightMargin, const BodyValues &values);

// The table, its left edge at leftMargin and its top edge 18 mm below
// tableTop (inches; the top margin plus 1 mm). Throws AppError when the
// signature data cannot be had or anything else but a primitive fails; the
// drawing ends there.
void DrawBodyPage(ReportCanvas &canvas, bool IsPreview, int DpiX, int DpiY, double leftMargin,
    double tableTop, const BodyValues &values);

// Appends the lines of the text to the list: a line ends at CR LF, or
// after the character that makes its count exceed 2 x maxCharsPerLine
// (characters below 128 count 1, others 2). A line break at the very end
// adds no empty line; an empty text adds none.
void WrapReportText(const QString &text, int maxCharsPerLine, QStringList &lines);
