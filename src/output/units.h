#pragma once

#include <cmath>

// Page layouts work in millimetres and hand inches to the drawing layer,
// which multiplies them by the target's dots per inch.
inline constexpr double InchesPerMM = 0.03937007874015748; // the double nearest to 1/25.4

// Rounds to the nearest whole number, halves to the even neighbour
// (2.5 -> 2, 3.5 -> 4, -2.5 -> -2), whatever the floating-point rounding mode.
inline double roundHalfEven(double value)
{
    const double below = std::floor(value);
    const double fraction = value - below; // exact for every finite double
    if (fraction < 0.5)
        return below;
    if (fraction > 0.5)
        return below + 1.0;
    return std::fmod(below, 2.0) == 0.0 ? below : below + 1.0;
}

// A length in millimetres as inches, the unit the drawing primitives take.
inline double MMToInches(double millimetres)
{
    return millimetres * InchesPerMM;
}
