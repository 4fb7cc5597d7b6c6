#pragma once

#include <QtGlobal>
#include <cmath>
#include <limits>

// Fractions become integers by rounding to the nearest, halves to the even neighbour; results
// saturate at the 32-bit range and NaN gives 0.
inline qint32 RoundHalfEven(double value) {
    // Whole numbers are by far the most common input (pen positions, glyph widths).
    if (value > -2147483648.0 && value < 2147483647.0) {
        const qint32 whole = qint32(value);
        if (double(whole) == value) return whole;
    }
    if (std::isnan(value)) return 0;
    // The default floating-point rounding mode rounds halves to even; nothing here changes it.
    const double rounded = std::nearbyint(value);
    if (rounded <= -2147483648.0) return std::numeric_limits<qint32>::min();
    if (rounded >= 2147483647.0) return std::numeric_limits<qint32>::max();
    return qint32(rounded);
}
