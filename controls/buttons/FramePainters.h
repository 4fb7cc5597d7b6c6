#pragma once

#include <QtGlobal>
#include <optional>

#include "FrameCanvas.h"
#include "Raster.h"
#include "Region.h"
#include "Rounding.h"

// The nine painters of the group frame, one per Style. Each draws the whole frame on a cleared
// surface and reports where the caption goes and, for some styles, the icon.
namespace FramePainters {

constexpr int kStyleCount = 9;

// Whole-pixel sums and roundings that cannot overflow, whatever a stored size holds.
inline int Sum(qint64 a, qint64 b) {
    return Gdi::ClampCoord(a + b);
}
inline int Round(double v) {
    return Gdi::ClampCoord(RoundHalfEven(v));
}
constexpr int kMargin = 3;
constexpr int kIndent = 15;
constexpr int kGap = 6;

// The colours a painter draws with: the frame's own while enabled, the disabled set otherwise.
struct ColorSet {
    quint32 frame = 0;
    quint32 captionBox = 0;
    quint32 fill = 0;
    quint32 light = 0;
    quint32 mid = 0;
    quint32 dark = 0;
    bool operator==(const ColorSet&) const = default;
};

struct Input {
    ColorSet colors;
    bool hasCaption = false;
    int textWidth = 0;   // TW
    int textHeight = 0;  // TH
    int halfHeight = 0;  // TH / 2 rounded, 0 without a caption
    int textBoxHeight = 22;
    bool roundedCorner = true;
    bool roundedCornerTxtBox = false;
    int txtBoxShadow = 0;
    int headerStyle = 0;
    int gradientHeaderStyle = 0;
    int alignment = 2;
    int themeColor = 0;
    int iconSize = 16;
    bool enabled = true;
};

struct Output {
    Gdi::Rect caption;
    qint16 iconX = 0;
    qint16 iconY = 0;
    // The window's shape when the style cuts it (style 8); the whole rectangle otherwise.
    std::optional<Gdi::Region> shape;
};

// Paints style 0..8; any other style paints nothing and returns an empty result.
Output Paint(int style, FrameCanvas& canvas, const Input& in);

Output PaintGroupBox(FrameCanvas& c, const Input& in);      // 0
Output PaintShadedWindow(FrameCanvas& c, const Input& in);  // 1
Output PaintInsetCaption(FrameCanvas& c, const Input& in);  // 2
Output PaintCaptionBand(FrameCanvas& c, const Input& in);   // 3
Output PaintTitledWindow(FrameCanvas& c, const Input& in);  // 4
Output PaintSlantedTab(FrameCanvas& c, const Input& in);    // 5
Output PaintWideningTab(FrameCanvas& c, const Input& in);   // 6
Output PaintEtchedLine(FrameCanvas& c, const Input& in);    // 7
Output PaintRoundedPanel(FrameCanvas& c, const Input& in);  // 8

}  // namespace FramePainters
