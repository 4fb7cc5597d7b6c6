#include "FxFrameGeometry.h"

#include "Raster.h"

namespace FxFrameGeometry {

int CaptionLineY(int textHeight, int lineWidth, int borderStyle, bool hasIcon, int iconSize) {
    const int d = textHeight - lineWidth;
    const int y = Gdi::ClampCoord(qint64(d / 2) + borderStyle + 2);
    if (hasIcon && y < iconSize / 2) return iconSize / 2 + 2;
    return y;
}

int CaptionBlockLeft(int alignment, int right, int cRad, int captionOffset, int block,
                     bool pictureInBorder) {
    // Stored offsets are any 32-bit values: the sums are taken wide and clamped.
    switch (Alignment(alignment)) {
        case Alignment::Left:
            return Gdi::ClampCoord(qint64(cRad) + captionOffset);
        case Alignment::Right:
            return Gdi::ClampCoord(qint64(right) - cRad - captionOffset - block - 1);
        case Alignment::Center:
            return Gdi::ClampCoord((qint64(right) - block) / 2 - 1);
    }
    return pictureInBorder ? 1 : 0;
}

Gdi::Rect CalcCaptionRect(int style, int alignment, int right, int bottom, int tw, int th, int bw) {
    const bool label = Style(style) == Style::Label;
    const int middle = (bottom - th) / 2;
    int left = bw;
    int top = 0;
    switch (Alignment(alignment)) {
        case Alignment::Left:
            top = label ? middle : 0;
            break;
        case Alignment::Right:
            left = right - tw - bw;
            top = label ? middle : 0;
            break;
        case Alignment::Center:
            left = (right - tw) / 2;
            top = middle;
            break;
    }
    return {left, top, left + tw, top + th};
}

}  // namespace FxFrameGeometry
