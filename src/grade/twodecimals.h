#pragma once

#include <QString>

#include <compare>

// 128-bit integers: the weighted sums and the percentages of a table whose
// dangerous counts far exceed its totals can outgrow 64 bits.
__extension__ typedef __int128 WideInt;

// A number rounded to two decimals, held exactly as a whole number of
// hundredths (0.29 is 29). Percentages, ratios and membership degrees are
// such numbers. They are computed on exact rationals and compared as whole
// numbers of hundredths, which orders them exactly as the doubles nearest to
// them: no binary floating-point error can move a value across a boundary
// or change which of two values is larger.
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
