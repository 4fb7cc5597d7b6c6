#pragma once

#include <QtGlobal>
#include <cmath>
#include <limits>

// Fractions become integers by rounding to the nearest, halves to the even neighbour; results
// saturate at the 32-bit range and NaN gives 0.
inline qint32 RoundHalfEven(double value) {
    if (std::isnan(value)) return 0;
    const double floor = std::floor(value);
    const double diff = value - floor;
    double rounded = floor;
    if (diff > 0.5 || (diff == 0.5 && std::fmod(floor, 2.0) != 0.0)) rounded += 1.0;
    if (rounded <= -2147483648.0) return std::numeric_limits<qint32>::min();
    if (rounded >= 2147483647.0) return std::numeric_limits<qint32>::max();
    return qint32(rounded);
}
