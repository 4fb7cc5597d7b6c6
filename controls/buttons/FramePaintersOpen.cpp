// The group-frame styles without a closed caption band: the tabs (5, 6), the etched line (7)
// and the rounded panel with its cut window shape (8).

#include "Colors.h"
#include "FramePainters.h"
#include "Raster.h"
#include "Rounding.h"

namespace FramePainters {

namespace {

constexpr quint32 kWhite = 0xFFFFFF;
constexpr int kCornerDiameter = 10;
constexpr int kPanelCorner = 9;
constexpr int kMinTabWidth = 100;
constexpr double kPanelGlassFactor = 2.03;

// The tab of styles 5 and 6: at least 100 pixels wide, and never closer than 15 pixels to the
// right edge.
struct Tab {
    int d = 0;  // width
    int h = 0;  // height
    int slantEnd() const { return Round(d + h / 2.0); }
};

Tab TabOf(const FrameCanvas& c, const Input& in) {
    Tab tab;
    tab.d = qMax(Sum(in.textWidth, 10), kMinTabWidth);
    tab.h = Sum(in.textHeight, 5);
    if (tab.d + tab.h / 2.0 >= (c.sw() - 1) - kIndent)
        tab.d = Round((c.sw() - 1) - tab.h / 2.0 - kIndent - 1);
    return tab;
}

Output TabCaption(const Tab& tab) {
    Output out;
    out.caption = {8, 0, tab.d, Sum(tab.h, 2)};
    return out;
}

}  // namespace

Output PaintSlantedTab(FrameCanvas& c, const Input& in) {
    const ColorSet& k = in.colors;
    const Tab tab = TabOf(c, in);
    const int corner = in.roundedCorner ? kCornerDiameter : 0;
    const Gdi::Rect body{0, 0, Round(c.sw() - 1), Round(c.sh() - 1)};
    const Gdi::Region shape = Gdi::Region::Combine(
        Gdi::Region::FromPolygon({{0, 0}, {0, tab.h}, {tab.d, tab.h}, {tab.slantEnd(), 0}}),
        Gdi::Region::FromRoundRect(body, corner, corner), Gdi::RGN_AND);
    c.DrawBox(in.roundedCorner, kCornerDiameter, k.fill, k.fill, body);
    c.surface().FillRgn(shape, k.captionBox);
    c.DrawLine(0, tab.h, tab.d, tab.h, k.frame);
    c.DrawLine(tab.d, tab.h, tab.slantEnd(), 0, k.frame);
    c.DrawBox(in.roundedCorner, kCornerDiameter, k.fill, k.frame, body, true);
    return TabCaption(tab);
}

Output PaintWideningTab(FrameCanvas& c, const Input& in) {
    const ColorSet& k = in.colors;
    const Tab tab = TabOf(c, in);
    const int corner = in.roundedCorner ? kCornerDiameter : 0;
    Surface& s = c.surface();
    s.FillRgn(Gdi::Region::FromPolygon({{6, 0}, {6, tab.h}, {tab.slantEnd(), tab.h}, {tab.d, 0}}),
              k.captionBox);
    const int tabRight = Round(0.9 * tab.d);
    const int tabBottom = Round(1.3 * tab.h);
    c.DrawBox(in.roundedCorner, kCornerDiameter, k.captionBox, k.frame,
              {0, 0, tabRight, tabBottom});
    c.DrawBox(in.roundedCorner, 0, k.captionBox, k.captionBox,
              {Round(0.9 * tab.d - 5), 1, Round(0.9 * tab.d + 3), tabBottom});
    c.DrawBox(in.roundedCorner, kCornerDiameter, k.fill, k.fill,
              {-1, -1, Round(c.sw() - 1), Round(c.sh() - 1)}, true);
    c.DrawLine(6, 0, tab.d, 0, k.frame);
    c.DrawLine(tab.d, 0, tab.slantEnd(), tab.h, k.frame);
    // The body, its top-left corner under the tab squared off, left and top edges in the frame
    // colour.
    s.SelectPen({Gdi::PS_SOLID, 1, k.frame});
    s.SelectBrush(Gdi::Brush::Solid(k.fill));
    s.RoundRect(0, tab.h, Round(c.sw() - 1), Round(c.sh() - 1), corner, corner);
    s.Rectangle(0, tab.h, 10, Sum(tab.h, 10));
    s.SelectPen({Gdi::PS_SOLID, 1, k.fill});
    s.Rectangle(1, Sum(tab.h, 1), 10, Sum(tab.h, 10));
    return TabCaption(tab);
}

Output PaintEtchedLine(FrameCanvas& c, const Input& in) {
    const ColorSet& k = in.colors;
    const quint32 etch = Colors::GetSysColor(in.enabled ? Colors::SystemColor::DarkShadow3D
                                                        : Colors::SystemColor::GrayText);
    const int y = in.halfHeight;
    const int sw = Round(c.sw());
    c.DrawLine(0, y, sw, y, etch);
    c.DrawLine(0, y + 1, sw, y + 1, kWhite);
    if (!in.hasCaption) return {};
    const int tw = in.textWidth;
    int x = 0;
    if (in.alignment == 1)
        x = Round(c.sw() - tw - kGap);
    else if (in.alignment != 0)
        x = Round((c.sw() - tw) / 2);
    // Opens the line under the caption; the rest of the surface keeps its background.
    const int gapEnd = Sum(x, qint64(tw) + kGap);
    c.DrawLine(x, y, gapEnd, y, k.fill);
    c.DrawLine(x, y + 1, gapEnd, y + 1, k.fill);
    Output out;
    out.caption = {Sum(x, kMargin), 0, Sum(x, qint64(tw) + kMargin), in.textHeight};
    return out;
}

Output PaintRoundedPanel(FrameCanvas& c, const Input& in) {
    const ColorSet& k = in.colors;
    Surface& s = c.surface();
    const quint32 pen = in.themeColor != 5 && in.headerStyle != 0 ? k.dark : k.frame;
    const int corner = in.roundedCorner ? kPanelCorner : 0;
    const int sw = Round(c.sw());
    const int sh = Round(c.sh());
    const Gdi::Rect whole{0, 0, sw, sh};
    if (in.headerStyle == 1)
        c.FillHeader(k.mid, k.light, {0, 0, sw, sh}, in.gradientHeaderStyle, false, 0,
                     kPanelGlassFactor);
    Output out;
    // Everything outside the rounded outline is cut off, the contained controls too.
    out.shape =
        Gdi::Region::Combine(Gdi::Region::FromRect(whole),
                             Gdi::Region::FromRoundRect(whole, corner, corner), Gdi::RGN_AND);
    if (pen != s.GetBkColor() || in.headerStyle == 0) {
        s.SelectPen({Gdi::PS_SOLID, 1, pen});
        s.SelectBrush(in.headerStyle == 1 ? Gdi::Brush::Null() : Gdi::Brush::Solid(k.fill));
        s.RoundRect(0, 0, sw - 1, sh - 1, corner, corner);
        c.DrawCornerPixels(pen);
    }
    s.SelectBrush(Gdi::Brush::Solid(k.fill));
    out.caption = {6, 0, Round(c.sw() - 6), Round(c.sh() - 2)};
    out.iconY = qint16(qBound(-32768, RoundHalfEven((c.sh() - in.iconSize) / 2), 32767));
    return out;
}

}  // namespace FramePainters
