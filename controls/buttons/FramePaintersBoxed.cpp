// The boxed group-frame styles: group box (0), shaded window (1), inset caption box (2),
// caption band (3) and titled window with grip (4).

#include "FramePainters.h"
#include "Raster.h"
#include "Rounding.h"

namespace FramePainters {

namespace {

constexpr quint32 kWhite = 0xFFFFFF;
constexpr quint32 kBlack = 0x000000;
constexpr quint32 kShadowGrey = 0xA7A7A7;
constexpr int kCornerDiameter = 10;
constexpr double kGlassFactor = 2.01;

qint16 Short(double v) {
    return qint16(qBound(-32768, RoundHalfEven(v), 32767));
}

// The shading under the caption band of styles 1 and 4: from a light tint at its top to the
// body colour, ending about 80 % down the control.
void ShadeContent(FrameCanvas& c, const Input& in, int top) {
    const ColorSet& k = in.colors;
    const double height = c.sh() - (8.0 + in.textBoxHeight) - 0.2 * c.sh();
    c.FillHeader(FrameCanvas::AverageColor(k.mid, kWhite),
                 FrameCanvas::AverageColor(k.light, kWhite),
                 {1, top, Round(c.sw() - 3), Round(height)}, int(FrameCanvas::HeaderKind::Vertical),
                 false, 0, kGlassFactor);
}

}  // namespace

Output PaintGroupBox(FrameCanvas& c, const Input& in) {
    const ColorSet& k = in.colors;
    c.DrawBox(in.roundedCorner, kCornerDiameter, k.fill, k.frame,
              {0, in.halfHeight, Round(c.sw() - 1), Round(c.sh() - 1)});
    if (!in.hasCaption) return {};
    const int tw = in.textWidth;
    int x = 0;
    if (in.alignment == 0)
        x = kIndent;
    else if (in.alignment == 1)
        x = Round(c.sw() - tw - kIndent - kGap - 1);
    else
        x = Round((c.sw() - 1 - tw) / 2);
    // Opens the top border under the caption.
    c.DrawLine(x, in.halfHeight, Sum(x, qint64(tw) + kGap), in.halfHeight, k.fill);
    Output out;
    out.caption = {Sum(x, kMargin), 0, Sum(x, qint64(tw) + kMargin), in.textHeight};
    return out;
}

Output PaintShadedWindow(FrameCanvas& c, const Input& in) {
    const ColorSet& k = in.colors;
    const int tbh = in.textBoxHeight;
    const int half = RoundHalfEven(tbh / 2.0);
    const quint32 line = in.themeColor == 5 ? k.frame : k.dark;
    const int sw1 = Round(c.sw() - 1);
    const int sw2 = Round(c.sw() - 2);
    c.DrawBox(in.roundedCorner, kCornerDiameter, FrameCanvas::AverageColor(k.mid, kWhite), line,
              {0, half, sw1, Round(c.sh() - 1)});
    const int glass = int(FrameCanvas::HeaderKind::VerticalGlass);
    c.FillHeader(k.light, k.mid, {0, 0, sw2, 3}, glass, true, k.dark, kGlassFactor);
    if (in.headerStyle == 1)
        c.FillHeader(k.mid, k.light, {0, 3, sw2, tbh}, in.gradientHeaderStyle, true, k.dark,
                     kGlassFactor);
    else
        c.DrawBox(false, 0, k.fill, k.frame, {0, 3, sw1, Sum(tbh, 5)});
    c.FillHeader(k.light, k.mid, {0, Sum(tbh, 3), sw2, 3}, glass, true, k.dark, kGlassFactor);
    ShadeContent(c, in, Sum(tbh, 6));
    Output out;
    out.caption = {6, 4, Round(c.sw() - 8), Sum(tbh, 2)};
    out.iconY = Short((6.0 + tbh - in.iconSize) / 2);
    return out;
}

Output PaintInsetCaption(FrameCanvas& c, const Input& in) {
    const ColorSet& k = in.colors;
    const int tbh = in.textBoxHeight;
    c.DrawBox(in.roundedCorner, kCornerDiameter, k.fill, k.frame,
              {0, RoundHalfEven(tbh / 2.0), Round(c.sw() - 1), Round(c.sh() - 1)});
    const quint32 shadow = FrameCanvas::AverageColor(k.fill, kShadowGrey);
    const bool withShadow = in.txtBoxShadow == 1;
    if (in.headerStyle == 1) {
        if (withShadow)
            c.DrawBox(false, tbh, shadow, shadow, {17, 2, Round(c.sw() - 14), Sum(tbh, 2)});
        c.FillHeader(k.mid, k.light, {kIndent, 0, Round(c.sw() - 32), Sum(tbh, -1)},
                     in.gradientHeaderStyle, true, k.frame, kGlassFactor);
    } else {
        // A rounded caption box has semicircular ends: its corner diameter is its height.
        Gdi::Rect box{kIndent, 0, Round(c.sw() - 16), tbh};
        if (withShadow) {
            Gdi::Rect moved = box;
            moved.offset(2, 2);
            c.DrawBox(in.roundedCornerTxtBox, tbh, shadow, shadow, Gdi::ClampRect(moved));
        }
        c.DrawBox(in.roundedCornerTxtBox, tbh, k.captionBox, k.frame, box);
    }
    Output out;
    out.caption = {24, 0, Round(c.sw() - 25), Sum(tbh, -1)};
    out.iconX = 2 * kGap + kIndent;
    out.iconY = Short((double(tbh) - in.iconSize) / 2);
    return out;
}

Output PaintCaptionBand(FrameCanvas& c, const Input& in) {
    const ColorSet& k = in.colors;
    const int tbh = in.textBoxHeight;
    c.DrawBox(in.roundedCorner, kCornerDiameter, k.fill, k.frame,
              {0, RoundHalfEven(tbh / 2.0), Round(c.sw() - 1), Round(c.sh() - 1)});
    if (in.headerStyle == 1)
        c.FillHeader(k.mid, k.light, {0, 0, Round(c.sw() - 2), Sum(tbh, -1)},
                     in.gradientHeaderStyle, true, k.frame, kGlassFactor);
    else
        c.DrawBox(in.roundedCornerTxtBox, kCornerDiameter, k.captionBox, k.frame,
                  {0, 0, Round(c.sw() - 1), tbh});
    Output out;
    out.caption = {6, 0, Round(c.sw() - 6), tbh};
    out.iconY = Short((double(tbh) - in.iconSize) / 2);
    return out;
}

Output PaintTitledWindow(FrameCanvas& c, const Input& in) {
    const ColorSet& k = in.colors;
    const int tbh = in.textBoxHeight;
    const quint32 line = in.themeColor == 5 ? k.frame : k.dark;
    const int sw2 = Round(c.sw() - 2);
    c.DrawBox(in.roundedCorner, kCornerDiameter, FrameCanvas::AverageColor(k.mid, kWhite), line,
              {0, 0, Round(c.sw() - 1), Round(c.sh() - 1)});
    // Title bar: white at the top to mid at the bottom, with the grip dots on it.
    c.FillHeader(k.mid, kWhite, {0, 0, sw2, 6}, int(FrameCanvas::HeaderKind::Vertical), true,
                 k.dark, kGlassFactor);
    c.DrawGripDots(kWhite, FrameCanvas::AverageColor(kBlack, k.mid), 6);
    if (in.headerStyle != 1 && in.enabled)
        c.DrawLine(0, Sum(tbh, 7), sw2, Sum(tbh, 7), k.dark);
    else
        c.FillHeader(k.mid, k.light, {0, 6, sw2, Sum(tbh, 1)}, in.gradientHeaderStyle, true, k.dark,
                     kGlassFactor);
    ShadeContent(c, in, Sum(tbh, 7));
    Output out;
    out.caption = {6, 8, Round(c.sw() - 7), Sum(tbh, 6)};
    out.iconY = Short((double(tbh) - in.iconSize) / 2 + 6);
    return out;
}

Output Paint(int style, FrameCanvas& canvas, const Input& in) {
    using Painter = Output (*)(FrameCanvas&, const Input&);
    static constexpr Painter kPainters[kStyleCount] = {
        &PaintGroupBox,    &PaintShadedWindow, &PaintInsetCaption,
        &PaintCaptionBand, &PaintTitledWindow, &PaintSlantedTab,
        &PaintWideningTab, &PaintEtchedLine,   &PaintRoundedPanel};
    if (style < 0 || style >= kStyleCount) return {};
    return kPainters[style](canvas, in);
}

}  // namespace FramePainters
