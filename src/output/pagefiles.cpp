#include "output/pagefiles.h"

#include "base/apperror.h"
#include "base/filebytes.h"
#include "base/processstate.h"
#include "base/prompt.h"
#include "base/recordfile.h"
#include "output/bodypage.h"
#include "output/coverpage.h"
#include "output/outputstate.h"
#include "output/pagesettings.h"
#include "output/reportdrawing.h"
#include "output/units.h"

#include <QDir>

#include <algorithm>
#include <iterator>

namespace {

QByteArray pageFileBytes(TPageKind kind, const QStringList &values)
{
    RecordFile::Writer out;
    out.putInt32(static_cast<qint32>(kind));
    if (kind == TPageKind::Cover)
        out.putInt32(CoverRowHeight);
    for (const QString &value : values)
        out.putText(value);
    return out.bytes();
}

void writePageFile(const QString &folder, int page, TPageKind kind, const QStringList &values, int count)
{
    if (values.size() != count)
        throw AppError(
            QStringLiteral("第 %1 页应有 %2 项数据，而不是 %3 项。").arg(page).arg(count).arg(values.size()));
    if (!QDir().mkpath(folder))
        throw AppError(
            QStringLiteral("不能创建文件夹 ") + QDir::toNativeSeparators(folder) + QStringLiteral(" !"));
    FileBytes::writeScratch(PageFileName(folder, page), pageFileBytes(kind, values));
}

struct PageContent
{
    qint32 kind = 0;
    QStringList values;
};

// Kind and the given number of values (-1: as many as the kind has; none
// for a kind that is neither cover nor body).
PageContent parsePageFile(const QByteArray &bytes, int count)
{
    RecordFile::Reader reader(bytes);
    PageContent page;
    page.kind = reader.readInt32();
    if (page.kind == static_cast<qint32>(TPageKind::Cover))
        reader.readInt32(); // the row height, fixed by the layout
    if (count < 0) {
        count = page.kind == static_cast<qint32>(TPageKind::Cover) ? CoverValueCount
            : page.kind == static_cast<qint32>(TPageKind::Body)    ? BodyValueCount
                                                                   : 0;
    }
    for (int i = 0; i < count; ++i)
        page.values.append(reader.readText());
    return page;
}

// The page file's kind and values (count as for parsePageFile). A damaged
// file shows its fault and gives nothing; a file that cannot be read
// throws AppError.
std::optional<PageContent> readPageFile(const QString &fileName, int count)
{
    const QByteArray bytes = FileBytes::read(fileName);
    try {
        return parsePageFile(bytes, count);
    } catch (const RecordFile::FormatError &e) {
        Prompt::error(e.message());
        return std::nullopt;
    }
}

} // namespace

PageGeometry CurrentPageGeometry()
{
    const TPrinterPageGeometry &printer = OutputProcess.PrinterPageGeometry;
    return { double(printer.PageWidth), double(printer.PageHeight), double(printer.LeftMargin),
        double(printer.TopMargin), double(printer.RightMargin),
        double(OutputProcess.CurrentPageSettings.FooterMargin) };
}

QString ProgramPageFolder()
{
    return QDir(Process.AppDir).filePath(QStringLiteral("Temp"));
}

QString PageFileName(const QString &folder, int page)
{
    return QDir(folder).filePath(QString::number(page) + QStringLiteral(".tmp"));
}

void WriteCoverPageFile(const QString &folder, int page, const CoverValues &values)
{
    writePageFile(folder, page, TPageKind::Cover, values, CoverValueCount);
}

void WriteBodyPageFile(const QString &folder, int page, const BodyValues &values)
{
    writePageFile(folder, page, TPageKind::Body, values, BodyValueCount);
}

void BuildReportPages(const QString &folder, const ReportPageValues &values)
{
    OutputProcess.PageCount = 1;
    WriteCoverPageFile(folder, 1, values.cover);
    OutputProcess.PageCount = 2;
    WriteBodyPageFile(folder, 2, values.body);
}

std::optional<QStringList> ReadPageValues(const QString &fileName, int count)
{
    const std::optional<PageContent> page = readPageFile(fileName, count);
    if (!page)
        return std::nullopt;
    return page->values;
}

void DrawPageFile(ReportCanvas &canvas, bool IsPreview, const PageGeometry &geometry, int DpiX, int DpiY,
    const QString &fileName, const QSize &previewPagePixels)
{
    const std::optional<PageContent> page = readPageFile(fileName, -1);
    if (!page)
        return;
    try {
        // Lengths that no canvas can hold stop the page here, with the one
        // message below, instead of a message from every rule and text.
        const double lengths[] = { geometry.PageWidth, geometry.PageHeight, geometry.LeftMargin,
            geometry.TopMargin, geometry.RightMargin, geometry.FooterMargin };
        if (UndrawablePageSetting(OutputProcess.CurrentPageSettings)
            || !std::all_of(std::begin(lengths), std::end(lengths), IsDrawableLength))
            throw AppError(QStringLiteral("页面设置超出了可以绘制的范围。"));
        const CanvasRect sheet = IsPreview
            ? CanvasRect { 0, 0, previewPagePixels.width(), previewPagePixels.height() }
            : CanvasRect { 0, 0, NearestUnit(MMToInches(geometry.PageWidth) * DpiX) + 5,
                  NearestUnit(MMToInches(geometry.PageHeight) * DpiY) + 5 };
        canvas.fillRect(sheet);

        const double W = MMToInches(geometry.PageWidth);
        const double H = MMToInches(geometry.PageHeight);
        const double L = MMToInches(geometry.LeftMargin);
        const double T = MMToInches(geometry.TopMargin);
        const double R = MMToInches(geometry.RightMargin);
        const double F = MMToInches(geometry.FooterMargin);
        switch (static_cast<TPageKind>(page->kind)) {
        case TPageKind::Cover:
            DrawCoverPage(canvas, IsPreview, DpiX, DpiY, W, L, T, R, page->values);
            break;
        case TPageKind::Body:
            DrawBodyHeader(canvas, IsPreview, DpiX, DpiY, W, L, T, R, page->values);
            DrawBodyPage(canvas, IsPreview, DpiX, DpiY, L, MMToInches(geometry.TopMargin + 1), page->values);
            break;
        default:
            return;
        }
        if (Process.Settings.IsPrintSoftMess)
            DrawPageMark(canvas, IsPreview, DpiX, DpiY, W, H, R, F);
    } catch (...) {
        Prompt::error(QStringLiteral("预览或打印错误!"));
    }
}
