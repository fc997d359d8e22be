#pragma once

#include "output/outputstate.h"
#include "output/pagevalues.h"

#include <QSize>
#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <optional>

class ReportCanvas;

// The page files of a printed report: page 1 (the cover) and page 2 (the
// body), each a small file with the page's texts, written before a preview
// or print and drawn afresh, at the target's resolution and with the page
// settings in force, every time the page is shown or printed.
//
// Layout, little-endian: the magic 55 AA; the kind (32 bits: 1 cover, 3
// body); for the cover the row height (32 bits, 9); then the values, each a
// signed 32-bit byte count and that many bytes of code page 936 text.

enum class TPageKind : qint32 { Cover = 1, Body = 3 };

// The pages of a printed report: the cover and the body.
constexpr int ReportPageCount = 2;

// The page's size and margins in millimetres.
struct PageGeometry
{
    double PageWidth = 0;
    double PageHeight = 0;
    double LeftMargin = 0;
    double TopMargin = 0;
    double RightMargin = 0;
    double FooterMargin = 0;
};

// The geometry of the last printer set-up (OutputProcess.PrinterPageGeometry) with
// the footer margin of OutputProcess.CurrentPageSettings: what preview and printer draw with.
PageGeometry CurrentPageGeometry();

// The program's own folder of page files: AppDir/Temp.
QString ProgramPageFolder();

// The file of page n in the folder: "<n>.tmp".
QString PageFileName(const QString &folder, int page);

// Writes page 1 (cover) and page 2 (body) into the folder, creating it when
// missing; OutputProcess.PageCount is 2 afterwards, or the number of the page that
// could not be written. Throws AppError when the folder or a file cannot be
// created or written. The files are scratch data, rewritten for every
// preview and print: they are not made to wait for the disk.
void BuildReportPages(const QString &folder, const ReportPageValues &values);
void WriteCoverPageFile(const QString &folder, int page, const CoverValues &values);
void WriteBodyPageFile(const QString &folder, int page, const BodyValues &values);

// The first count values of a page file. A file that is not a page file, or
// whose values run past its end, shows "文件格式不对..." and gives nothing.
// Throws AppError when the file cannot be read.
std::optional<QStringList> ReadPageValues(const QString &fileName, int count);

// Draws the page held in the file: clears the page on the canvas (on the
// preview the rectangle of previewPagePixels, on the printer the sheet in
// dots plus 5), then draws the cover or the body with their fonts and rules,
// and the product mark when Process.Settings.IsPrintSoftMess is on.
// Geometry in millimetres. A damaged file shows "文件格式不对..." and leaves
// the canvas untouched; settings or a geometry with a length that no page
// can be drawn with (IsDrawableLength) show "预览或打印错误!" once and draw
// nothing; any other failure shows that message and the rest of the page is
// not drawn. Throws AppError when the file cannot be read.
void DrawPageFile(ReportCanvas &canvas, bool IsPreview, const PageGeometry &geometry, int DpiX, int DpiY,
    const QString &fileName, const QSize &previewPagePixels = QSize());
