#include "output/pagesettings.h"

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
