#pragma once

#include <QString>

// The 22 page settings of one report. Lengths are whole millimetres. Field
// names are the ProjectTab column names; the initial values are the built-in
// ones that a missing config.ini key falls back to.
struct TPageSettings
{
    QString PageStyle = QStringLiteral("A4");
    int PageWidth = 210;
    int PageHeight = 297;
    int PageOrientation = 0; // 0 portrait, anything else landscape
    int TopMargin = 18;
    int BottomMargin = 25;
    int LeftMargin = 15;
    int RightMargin = 15;
    int FooterMargin = 18;
    int CovOffsetRightSpace = 0;
    int CovOffsetBottomSpace = 0;
    int CovRowSpace = 0;
    int CovPrnSelAppraisor = 1;
    int CovPrnSelAssessor = 1;
    int CovPrnSelAuthorizedMan = 1;
    int ApprCircsRowCount = 88;
    int ShatterReasonRowCount = 20;
    int ApprConclusionRowCount = 20;
    int DisposalAdviRowCount = 20;
    int RowMaxCharCount = 49;
    int ClientWidth = 68;
    int PhoneWidth = 28;

    // The state before anything was loaded: all zero, no paper style.
    static TPageSettings unloaded();

    bool operator==(const TPageSettings &) const = default;
};

// The page geometry taken by the last printer set-up; the preview draws with it.
struct TPrinterPageGeometry
{
    int PageWidth = 0;
    int PageHeight = 0;
    int LeftMargin = 0;
    int TopMargin = 0;
    int RightMargin = 0;
    int BottomMargin = 0;

    bool operator==(const TPrinterPageGeometry &) const = default;
};
