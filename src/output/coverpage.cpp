#include "output/coverpage.h"

#include "base/processstate.h"
#include "base/prompt.h"
#include "output/outputstate.h"
#include "output/reportdrawing.h"
#include "output/units.h"

namespace {

constexpr auto mm = MMToInches;

struct CoverEntry
{
    QString label;
    int TPageSettings::*printFlag; // null: the value is always printed
};

const CoverEntry CoverEntries[CoverValueCount] = {
    { QStringLiteral("委托单位/个人："), nullptr },
    { QStringLiteral("房屋地址："), nullptr },
    { QStringLiteral("鉴定人："), &TPageSettings::CovPrnSelAppraisor },
    { QStringLiteral("审核人："), &TPageSettings::CovPrnSelAssessor },
    { QStringLiteral("负责人："), &TPageSettings::CovPrnSelAuthorizedMan },
    { QStringLiteral("鉴定单位："), nullptr },
    { QStringLiteral("鉴定日期："), nullptr },
};

} // namespace

QString PageMarkText()
{
    return QStringLiteral("【") + AppTitle + QStringLiteral("】");
}

void DrawCoverPage(ReportCanvas &canvas, bool IsPreview, int DpiX, int DpiY, double pageWidth,
    double leftMargin, double topMargin, double rightMargin, const CoverValues &values)
{
    // Lengths are added as doubles: settings of any size give exact
    // positions, which the primitives refuse when no canvas can hold them.
    const TPageSettings &settings = OutputProcess.CurrentPageSettings;
    const double right = pageWidth - rightMargin;
    try {
        canvas.setPenColor(Qt::black);
        SetReportFont(canvas, QStringLiteral("黑体"), TFontStyle::Regular, 20, IsPreview, DpiX, DpiY);
        const double titleTop = topMargin + mm(10.0 + settings.CovOffsetBottomSpace);
        const double titleBottom = topMargin + mm(28.0 + settings.CovOffsetBottomSpace);
        DrawCellText(canvas, ReportTitle, DpiX, DpiY, { leftMargin, titleTop, right, titleBottom },
            TCellAlign::Center);

        const double labelLeft = leftMargin + mm(50.0 + settings.CovOffsetRightSpace);
        const double valueLeft = leftMargin + mm(87.0 + settings.CovOffsetRightSpace);
        double y = titleBottom + mm(40);
        for (int k = 0; k < CoverValueCount; ++k) {
            const CoverEntry &entry = CoverEntries[k];
            const bool printed = !entry.printFlag || settings.*entry.printFlag == 1;
            const QString value = printed ? PageValueAt(values, k) : QString();
            const double rowTop = y + mm(settings.CovRowSpace);
            y = rowTop + mm(CoverRowHeight);
            SetReportFont(
                canvas, QStringLiteral("Times New Roman"), TFontStyle::Regular, 15, IsPreview, DpiX, DpiY);
            DrawCellText(canvas, entry.label, DpiX, DpiY, { labelLeft, rowTop, right, y }, TCellAlign::Left);
            DrawCellText(
                canvas, value, DpiX, DpiY, { valueLeft, rowTop, right + mm(40), y }, TCellAlign::Left);
        }
    } catch (...) {
        Prompt::warning(QStringLiteral("打印封面错误!"));
    }
}

void DrawPageMark(ReportCanvas &canvas, bool IsPreview, int DpiX, int DpiY, double pageWidth,
    double pageHeight, double rightMargin, double footerMargin)
{
    try {
        canvas.setPenColor(Qt::black);
        SetReportFont(
            canvas, QStringLiteral("Times New Roman"), TFontStyle::Regular, 12, IsPreview, DpiX, DpiY);
        const QString mark = PageMarkText();
        const double w = ReportTextWidth(canvas, mark, DpiX);
        const double h = ReportTextHeight(canvas, mark, DpiY);
        const double right = pageWidth - rightMargin;
        const double bottom = pageHeight - footerMargin;
        DrawCellText(
            canvas, mark, DpiX, DpiY, { right - w - mm(10), bottom - h, right, bottom }, TCellAlign::Left);
    } catch (...) {
        Prompt::warning(QStringLiteral("打印封面页脚错误!"));
    }
}
