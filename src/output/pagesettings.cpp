#include "output/pagesettings.h"

#include "base/apperror.h"

#include <cmath>

namespace {

struct Length
{
    int TPageSettings::*member;
    const char *name; // as the page setup dialog names it
};

const Length Lengths[] = {
    { &TPageSettings::PageWidth, "纸张宽度" },
    { &TPageSettings::PageHeight, "纸张高度" },
    { &TPageSettings::TopMargin, "上边距" },
    { &TPageSettings::BottomMargin, "下边距" },
    { &TPageSettings::LeftMargin, "左边距" },
    { &TPageSettings::RightMargin, "右边距" },
    { &TPageSettings::FooterMargin, "页脚距边界" },
    { &TPageSettings::CovOffsetRightSpace, "封面文字向右偏移" },
    { &TPageSettings::CovOffsetBottomSpace, "封面文字向下偏移" },
    { &TPageSettings::CovRowSpace, "封面行距调整" },
    { &TPageSettings::ApprCircsRowCount, "检查情况行高" },
    { &TPageSettings::ShatterReasonRowCount, "损坏原因分析行高" },
    { &TPageSettings::ApprConclusionRowCount, "鉴定结论行高" },
    { &TPageSettings::DisposalAdviRowCount, "处理建议行高" },
    { &TPageSettings::ClientWidth, "委托人栏宽" },
    { &TPageSettings::PhoneWidth, "电话栏宽" },
};

} // namespace

TPageSettings TPageSettings::unloaded()
{
    TPageSettings s;
    s.PageStyle.clear();
    s.PageWidth = s.PageHeight = s.PageOrientation = 0;
    s.TopMargin = s.BottomMargin = s.LeftMargin = s.RightMargin = s.FooterMargin = 0;
    s.CovOffsetRightSpace = s.CovOffsetBottomSpace = s.CovRowSpace = 0;
    s.CovPrnSelAppraisor = s.CovPrnSelAssessor = s.CovPrnSelAuthorizedMan = 0;
    s.ApprCircsRowCount = s.ShatterReasonRowCount = s.ApprConclusionRowCount = s.DisposalAdviRowCount = 0;
    s.RowMaxCharCount = s.ClientWidth = s.PhoneWidth = 0;
    return s;
}

bool IsDrawableLength(double millimetres)
{
    return std::abs(millimetres) <= MaxDrawableLength; // false for NaN
}

std::optional<QString> UndrawablePageSetting(const TPageSettings &settings)
{
    for (const Length &length : Lengths) {
        const int value = settings.*length.member;
        if (!IsDrawableLength(value))
            return QStringLiteral(
                "页面设置的%1 %2 毫米超出了可以绘制的范围 (-%3 到 %3 毫米), 不能按它预览或打印!")
                .arg(QString::fromUtf8(length.name))
                .arg(value)
                .arg(MaxDrawableLength);
    }
    return std::nullopt;
}

void RequireDrawablePageSettings(const TPageSettings &settings)
{
    if (const std::optional<QString> problem = UndrawablePageSetting(settings))
        throw AppError(*problem);
}
