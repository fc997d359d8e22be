#include "output/reportcanvas.h"

#include <cmath>

int FontPointsToUnits(int points, int unitsPerInch)
{
    return static_cast<int>(std::lround(static_cast<double>(points) * unitsPerInch / 72.0));
}
