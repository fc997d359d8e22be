#pragma once

#include "grade/dangercounts.h"
#include "grade/twodecimals.h"

#include <QString>
#include <QStringList>

#include <array>

// The membership degrees for the grades A, B, C and D: μa to μd of one
// constituent part, or the overall μA to μD of the house.
struct TPartMembership
{
    TwoDecimals a, b, c, d;

    bool operator==(const TPartMembership &) const = default;
};

// The constituent parts of the house, in the order of the result lines.
enum class HousePart : int { Foundation, LoadBearing, Enclosure };
inline constexpr int HousePartCount = 3;

// "地基基础", "承重结构" or "围护结构".
QString HousePartName(HousePart part);

// The four degrees of one part from its percentage of dangerous components
// (a multiple of 0.01): 0 gives (1, 0, 0, 0), up to 0.05 (0, 1, 0, 0), below
// 0.30 B and C shared, from 0.30 below 1 C and D shared, 1 gives (0, 0, 0, 1);
// a percentage below 0 or above 1 gives four zeros.
TPartMembership MembershipDegrees(TwoDecimals percentage);

// The grade of highest overall degree, 1 to 4 for A to D; a tie goes to the
// better grade (the lower number).
int ChooseGrade(TwoDecimals muA, TwoDecimals muB, TwoDecimals muC, TwoDecimals muD);

// The outcome of an evaluation: every intermediate value, the grade and the
// seven lines of the result memo.
struct TDangerGradeResult
{
    std::array<TwoDecimals, HousePartCount> percentages; // p_f, p_s, p_e
    std::array<TPartMembership, HousePartCount> degrees; // per part
    TPartMembership overall; // μA, μB, μC, μD
    QString grade; // "A级", "B级", "C级", "D级", or "D" for an entirely dangerous part
    QStringList lines; // the seven lines of the result memo

    // "综上所述,该房屋的危险性等级为" + grade + "。", the text of the message box.
    QString message() const;
    // The caption of the message box.
    static QString caption();
};

// The danger grade of a house from the counts of its component table.
TDangerGradeResult EvaluateDangerGrade(const TDangerCounts &counts);
