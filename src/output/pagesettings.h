#pragma once

#include <QString>

#include <optional>

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

// The longest length, in millimetres either way, that a page is drawn with.
// Every position the layouts compute from lengths within it stays far inside
// what a canvas can address at any printer's resolution; a sheet is at most
// a few metres long.
inline constexpr int MaxDrawableLength = 10000;

// Whether a length (millimetres) lies within MaxDrawableLength either way.
bool IsDrawableLength(double millimetres);

// The message about the first length setting that no page can be drawn with,
// named as the page setup dialog names it; nothing when every length can be
// drawn. Flags, orientation and characters per line take any value.
std::optional<QString> UndrawablePageSetting(const TPageSettings &settings);

// Throws AppError with that message.
void RequireDrawablePageSettings(const TPageSettings &settings);
