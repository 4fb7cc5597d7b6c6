#include "TabGeometry.h"

#include "Rounding.h"

namespace TabGeometry {

namespace {
constexpr int kInt16Max = 32767;
constexpr int kMinLabelSize = 15;
constexpr int kCaptionInset = 5;
}  // namespace

bool FitsInt16(const Sizes& s) {
    if (s.tabCount < 1 || s.tabCount > kInt16Max) return false;
    if (s.labelActHeight < kMinLabelSize || s.labelActHeight > kInt16Max) return false;
    if (s.labelHeight < kMinLabelSize || s.labelHeight > kInt16Max) return false;
    if (s.labelWidth < kMinLabelSize || s.labelWidth > kInt16Max) return false;
    if (s.labelBlank < 0 || s.labelBlank > kInt16Max) return false;
    const qint64 pitch = qint64(s.labelWidth) + s.labelBlank;
    return pitch <= kInt16Max && pitch * s.tabCount <= kInt16Max;
}

int TabAt(const Sizes& s, float x, float y) {
    if (!(y > 0 && y < s.labelHeight && x > 0 && x < s.StripWidth())) return -1;
    const int xr = RoundHalfEven(x);
    const int pitch = s.labelWidth + s.labelBlank;
    if (xr % pitch > s.labelBlank) return xr / pitch;
    return -1;
}

int TabLeft(const Sizes& s, int i) {
    return s.labelBlank + i * (s.labelWidth + s.labelBlank);
}

Gdi::Rect CaptionRect(const Sizes& s, int i, bool active) {
    const int left = TabLeft(s, i);
    const int faceHeight = active ? s.labelActHeight : s.labelHeight;
    return {left + kCaptionInset, s.StripHeight() - faceHeight + kCaptionInset,
            left + s.labelWidth - kCaptionInset, s.StripHeight() - kCaptionInset};
}

}  // namespace TabGeometry
