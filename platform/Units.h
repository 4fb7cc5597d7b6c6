#pragma once

#include "Rounding.h"

// Layout is in twips, drawing in pixels: 15 twips a pixel, always (96 dpi logical).
namespace Units {

constexpr int kTwipsPerPixel = 15;

inline int TwipsToPixels(double twips) {
    return RoundHalfEven(twips / kTwipsPerPixel);
}
constexpr int PixelsToTwips(int pixels) {
    return pixels * kTwipsPerPixel;
}

// Picture sizes: 26.45 HIMETRIC units a pixel, computed as 100/2645 so that exact halves stay
// exact.
inline int HimetricToPixels(double himetric) {
    return RoundHalfEven(himetric * 100.0 / 2645.0);
}

// Point sizes at 96 dpi: 9 pt is 12 px.
inline int PointsToPixels(double points) {
    return RoundHalfEven(points * 96.0 / 72.0);
}

}  // namespace Units
