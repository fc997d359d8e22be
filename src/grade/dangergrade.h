#pragma once

#include "grade/dangercounts.h"

#include <QString>
#include <QStringList>

#include <array>
#include <compare>

// 128-bit integers: the weighted sums and the percentages of a table whose
// dangerous counts far exceed its totals can outgrow 64 bits.
__extension__ typedef __int128 WideInt;

// A number rounded to two decimals, held exactly as a whole number of
// hundredths (0.29 is 29). Percentages and membership degrees are such
// numbers. They are computed on exact rationals and compared as whole
// numbers of hundredths, which orders them exactly as the doubles nearest to
// them: no binary floating-point error can move a value across a boundary
// of the membership table or change which degree is largest.
class TwoDecimals
{
public:
    constexpr TwoDecimals() = default;
    static constexpr TwoDecimals fromHundredths(WideInt hundredths)
    {
        TwoDecimals v;
        v.m_hundredths = hundredths;
        return v;
    }
    // numerator / denominator (denominator > 0) rounded to two decimals, an
    // exact half away from zero: 57/200 is 0.29, 1/8 is 0.13, -1/8 is -0.13.
    static TwoDecimals quotient(WideInt numerator, WideInt denominator);

    constexpr WideInt hundredths() const { return m_hundredths; }
    // The double nearest to the value.
    double toDouble() const { return double(m_hundredths) / 100.0; }

    // The value times 100 as a whole number: 0, 8, 29, 100, 167, -50.
    QString percentText() const;
    // The value with exactly two decimals: 0.00, 0.88, 1.00, -0.13.
    QString fixedText() const;

    constexpr auto operator<=>(const TwoDecimals &) const = default;

private:
    WideInt m_hundredths = 0;
};

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
