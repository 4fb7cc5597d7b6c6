#include <gtest/gtest.h>

#include "Colors.h"
#include "FrameCanvas.h"
#include "FramePainters.h"
#include "PictureEffect.h"

namespace {

constexpr quint32 kBack = 0x102030;
constexpr quint32 kFill = 0x00FF00;
constexpr quint32 kFrame = 0x0000FF;
constexpr quint32 kBox = 0xFF0000;

// A cleared surface of w x h in a colour no painter uses, with a canvas over it.
struct Canvas {
    explicit Canvas(int w = 200, int h = 100) : surface(QSize(w, h)), canvas(surface, w, h) {
        surface.SetBkColor(kBack);
        surface.Cls();
    }
    quint32 At(int x, int y) const { return surface.GetPixel(x, y); }
    Surface surface;
    FrameCanvas canvas;
};

FramePainters::Input Captioned(int tw = 48, int th = 12) {
    FramePainters::Input in;
    in.colors = {kFrame, kBox, kFill, 0xEEEEEE, 0x888888, 0x222222};
    in.hasCaption = true;
    in.textWidth = tw;
    in.textHeight = th;
    in.halfHeight = th / 2;
    return in;
}

}  // namespace

TEST(FrameCanvas, OutlineOfOneByOneIsATwoByTwoBlock) {
    Canvas c;
    c.canvas.DrawOutline({10, 10, 1, 1}, kFrame);
    for (int y = 9; y <= 12; ++y)
        for (int x = 9; x <= 12; ++x)
            EXPECT_EQ(c.At(x, y), (x == 10 || x == 11) && (y == 10 || y == 11) ? kFrame : kBack)
                << x << "," << y;
}

// Level and upright lines take a faster path; their pixels must stay the pen's.
TEST(FrameCanvas, StraightLinesCoverThePensPixels) {
    const QList<QLine> lines = {{5, 5, 40, 5},   {40, 6, 5, 6},    {7, 3, 7, 30}, {9, 30, 9, 3},
                                {-9, 8, 500, 8}, {11, 50, 11, -4}, {3, 3, 3, 3},  {2, 4, 30, 20}};
    for (const QLine& l : lines) {
        Canvas fast(60, 40);
        fast.canvas.DrawLine(l.x1(), l.y1(), l.x2(), l.y2(), kFrame);
        Canvas pen(60, 40);
        pen.surface.SelectPen({Gdi::PS_SOLID, 1, kFrame});
        pen.surface.MoveToEx(l.x1(), l.y1());
        pen.surface.LineTo(l.x2(), l.y2());
        EXPECT_EQ(fast.surface.image(), pen.surface.image()) << l.x1() << "," << l.y1();
    }
}

TEST(FrameCanvas, ChannelMeansAndBlendStepsRoundHalvesToEven) {
    EXPECT_EQ(FrameCanvas::AverageColor(0x000001, 0x000000), 0x000000u);  // 0.5 -> 0
    EXPECT_EQ(FrameCanvas::AverageColor(0x000001, 0x000002), 0x000002u);  // 1.5 -> 2
    EXPECT_EQ(FrameCanvas::AverageColor(Colors::Rgb(129, 169, 226), 0xFFFFFF),
              Colors::Rgb(192, 212, 240));
    struct Case {
        quint32 start, end;
        int i, n;
        quint32 expected;
    } const cases[] = {{0, 255, 1, 3, 85},
                       {0, 255, 2, 3, 170},
                       {0, 1, 1, 2, 0},
                       {0, 3, 1, 2, 2},
                       {255, 0, 1, 2, 128},
                       {0, 0xFF0000, 1, 4, 0x400000},
                       {0x123456, 0x123456, 5, 9, 0x123456}};
    for (const Case& k : cases)
        EXPECT_EQ(FrameCanvas::GradientColor(k.start, k.end, k.i, k.n), k.expected)
            << k.start << "->" << k.end << " " << k.i << "/" << k.n;
}

// A band three lines high gets its two inner lines only; the outline covers the rest.
TEST(FrameCanvas, GradientDrawsTheInnerLinesOnly) {
    Canvas c;
    c.canvas.DrawGradient(0x000000, 0x0000FF, 5, 10, 50, 3, FrameCanvas::Direction::Vertical);
    EXPECT_EQ(c.At(20, 10), kBack);
    EXPECT_EQ(c.At(20, 11), 0x000055u);
    EXPECT_EQ(c.At(20, 12), 0x0000AAu);
    EXPECT_EQ(c.At(20, 13), kBack);
    EXPECT_EQ(c.At(4, 11), kBack);
    EXPECT_EQ(c.At(49, 11), 0x000055u);
    EXPECT_EQ(c.At(50, 11), kBack);  // end point excluded

    Canvas flat;
    flat.canvas.DrawGradient(0, 0xFF, 5, 10, 1, 60, FrameCanvas::Direction::Horizontal);
    flat.canvas.DrawGradient(0, 0xFF, 5, 10, 50, 0, FrameCanvas::Direction::Vertical);
    EXPECT_EQ(flat.surface.image(), Canvas().surface.image());
}

TEST(FrameCanvas, HeaderKindsFillAndOutline) {
    // Kind 0 runs from c2 at the top to c1 at the bottom; kind 1 from c2 at the left.
    Canvas v;
    v.canvas.FillHeader(0x0000FF, 0xFF0000, {0, 0, 100, 50}, 0, false, 0, 2.01);
    EXPECT_EQ(Colors::Blue(v.At(50, 1)), 250);
    EXPECT_EQ(Colors::Red(v.At(50, 49)), 250);
    Canvas h;
    h.canvas.FillHeader(0x0000FF, 0xFF0000, {0, 0, 100, 50}, 1, false, 0, 2.01);
    EXPECT_GT(Colors::Blue(h.At(1, 25)), 250);
    EXPECT_GT(Colors::Red(h.At(99, 25)), 250);
    // Glass: there and back, the far colour at about half way.
    Canvas g;
    g.canvas.FillHeader(0x000000, 0x0000FF, {0, 0, 100, 60}, 2, false, 0, 2.0);
    EXPECT_LT(Colors::Red(g.At(50, 2)), 20);
    EXPECT_GT(Colors::Red(g.At(50, 29)), 235);
    EXPECT_LT(Colors::Red(g.At(50, 58)), 20);
    // Any other kind: no fill, but still the outline.
    Canvas none;
    none.canvas.FillHeader(0x000000, 0x0000FF, {0, 0, 100, 60}, 4, true, kFrame, 2.01);
    EXPECT_EQ(none.At(50, 30), kBack);
    EXPECT_EQ(none.At(50, 0), kFrame);
    EXPECT_EQ(none.At(100, 30), kFrame);
    EXPECT_EQ(none.At(50, 60), kFrame);
}

TEST(FrameCanvas, GripDotsAndCornerPixels) {
    Canvas c(100, 40);
    c.canvas.DrawGripDots(0xFFFFFF, 0x000001, 6);
    // x0 = (100 - 34) / 2 = 33, y0 = 2; the shadow block covers the highlight's top-left.
    EXPECT_EQ(c.At(33, 2), 0x000001u);
    EXPECT_EQ(c.At(34, 3), 0x000001u);
    EXPECT_EQ(c.At(35, 4), 0xFFFFFFu);
    EXPECT_EQ(c.At(33 + 32, 2), 0x000001u);
    EXPECT_EQ(c.At(33 + 36, 2), kBack);
    EXPECT_EQ(c.At(36, 2), kBack);

    Canvas k(30, 20);
    k.canvas.DrawCornerPixels(kFrame);
    for (QPoint p : {QPoint(0, 4), QPoint(4, 0), QPoint(25, 0), QPoint(29, 4), QPoint(0, 15),
                     QPoint(4, 19), QPoint(25, 19), QPoint(29, 15)})
        EXPECT_EQ(k.At(p.x(), p.y()), kFrame) << p.x() << "," << p.y();
    EXPECT_EQ(k.At(0, 0), kBack);
}

TEST(PictureEffect, MergeRules) {
    PictureEffect grey;
    grey.greyscale = true;
    EXPECT_EQ(grey.Merge(0x000000, 0x123456), std::nullopt);  // key colour: see-through
    // rnd(rnd(0.3 * 100) + 0.59 * 200 + 0.11 * 0) = 148
    EXPECT_EQ(grey.Merge(Colors::Rgb(100, 200, 0), 0), Colors::Rgb(148, 148, 148));
    PictureEffect blend;
    blend.key = 0xFF00FF;
    blend.blend = true;
    EXPECT_EQ(blend.Merge(Colors::Rgb(90, 0, 255), Colors::Rgb(0, 30, 1)),
              Colors::Rgb(60, 10, 170));
    PictureEffect paint;
    paint.key = 0xFF00FF;
    paint.paint = 0x00FF00;
    paint.brightOnly = true;
    EXPECT_EQ(paint.Merge(0x101010, 0), 0x00FF00u);
    EXPECT_EQ(paint.Merge(0xF0F0F0, 0), std::nullopt);
    paint.brightOnly = false;
    EXPECT_EQ(paint.Merge(0xF0F0F0, 0), 0x00FF00u);
}

TEST(PictureEffect, DrawsOnlyWhatLiesOnTheSurface) {
    Canvas c(20, 20);
    QImage picture(2, 2, QImage::Format_RGB32);
    picture.fill(qRgb(100, 200, 0));
    picture.setPixel(0, 0, qRgb(0, 0, 0));
    PictureEffect grey;
    grey.greyscale = true;
    grey.Draw(c.surface, 10, 10, 4, 4, picture);
    EXPECT_EQ(c.At(10, 10), kBack);  // black pixel of the picture, stretched to 2 x 2
    EXPECT_EQ(c.At(11, 11), kBack);
    EXPECT_EQ(c.At(12, 10), Colors::Rgb(148, 148, 148));
    EXPECT_EQ(c.At(13, 13), Colors::Rgb(148, 148, 148));
    EXPECT_EQ(c.At(14, 14), kBack);
    // A huge size far off and across the surface costs only the visible part.
    grey.Draw(c.surface, -30000, -30000, 32767, 32767, picture);
    grey.Draw(c.surface, 5, 5, 0, 8, picture);
    EXPECT_EQ(c.At(19, 19), Colors::Rgb(148, 148, 148));
}

TEST(FramePainters, GroupBoxCaptionPlaceByAlignment) {
    // x: 15; rnd(200 - 48 - 22) = 130; rnd((199 - 48) / 2) = rnd(75.5) = 76.
    const int expectedX[] = {15, 130, 76, 76};
    for (int alignment = 0; alignment < 4; ++alignment) {
        Canvas c;
        FramePainters::Input in = Captioned();
        in.alignment = alignment;
        const auto out = FramePainters::Paint(0, c.canvas, in);
        const int x = expectedX[alignment];
        EXPECT_EQ(out.caption, (Gdi::Rect{x + 3, 0, x + 51, 12})) << alignment;
        // The top border is open under the caption and closed beside it.
        EXPECT_EQ(c.At(x, 6), kFill) << alignment;
        EXPECT_EQ(c.At(x + 53, 6), kFill) << alignment;
        EXPECT_EQ(c.At(x + 54, 6), kFrame) << alignment;
    }
}

TEST(FramePainters, WithoutCaptionStylesZeroAndSevenSitAtTheTop) {
    FramePainters::Input in = Captioned(0, 0);
    in.hasCaption = false;
    Canvas box;
    EXPECT_EQ(FramePainters::Paint(0, box.canvas, in).caption, Gdi::Rect{});
    EXPECT_EQ(box.At(100, 0), kFrame);
    Canvas line;
    EXPECT_EQ(FramePainters::Paint(7, line.canvas, in).caption, Gdi::Rect{});
    EXPECT_EQ(line.At(100, 0), Colors::GetSysColor(Colors::SystemColor::DarkShadow3D));
    EXPECT_EQ(line.At(100, 1), 0xFFFFFFu);
    EXPECT_EQ(line.At(100, 2), kBack);
}

TEST(FramePainters, EtchedLineStartsItsGapAtTheEdgeAndGreysWhenDisabled) {
    Canvas c;
    FramePainters::Input in = Captioned();
    in.alignment = 0;
    in.enabled = false;
    const auto out = FramePainters::Paint(7, c.canvas, in);
    EXPECT_EQ(out.caption, (Gdi::Rect{3, 0, 51, 12}));
    EXPECT_EQ(c.At(0, 6), kFill);
    EXPECT_EQ(c.At(53, 7), kFill);
    EXPECT_EQ(c.At(54, 6), Colors::GetSysColor(Colors::SystemColor::GrayText));
    EXPECT_EQ(c.At(54, 7), 0xFFFFFFu);
    EXPECT_EQ(c.At(54, 50), kBack);
}

TEST(FramePainters, TabsAreAtLeastOneHundredWideAndKeepClearOfTheRightEdge) {
    struct Case {
        int sw, tw, d;
    } const cases[] = {{400, 20, 100}, {400, 150, 160}, {120, 20, 94}, {300, 290, 274}};
    for (int style : {5, 6}) {
        for (const Case& k : cases) {
            Canvas c(k.sw, 100);
            const auto out = FramePainters::Paint(style, c.canvas, Captioned(k.tw, 12));
            // h = 17; the limit gives rnd(sw - 1 - 8.5 - 16).
            EXPECT_EQ(out.caption, (Gdi::Rect{8, 0, k.d, 19})) << style << " " << k.sw;
            EXPECT_EQ(out.iconX, 0);
        }
    }
    Canvas slanted;
    FramePainters::Paint(5, slanted.canvas, Captioned(20, 12));
    EXPECT_EQ(slanted.At(50, 8), kBox);     // inside the tab
    EXPECT_EQ(slanted.At(50, 17), kFrame);  // its bottom edge
    EXPECT_EQ(slanted.At(150, 50), kFill);  // the body
    EXPECT_EQ(slanted.At(199, 50), kBack);  // right of the outline
}

TEST(FramePainters, CaptionBandLayoutAndIconPlace) {
    Canvas c;
    FramePainters::Input in = Captioned();
    in.roundedCorner = false;
    const auto out = FramePainters::Paint(3, c.canvas, in);
    EXPECT_EQ(out.caption, (Gdi::Rect{6, 0, 194, 22}));
    EXPECT_EQ(out.iconY, 3);
    EXPECT_EQ(c.At(100, 0), kFrame);
    EXPECT_EQ(c.At(100, 10), kBox);
    EXPECT_EQ(c.At(100, 21), kFrame);
    EXPECT_EQ(c.At(100, 50), kFill);
    EXPECT_EQ(c.At(0, 50), kFrame);
    EXPECT_EQ(c.At(198, 98), kFrame);
    EXPECT_EQ(c.At(199, 99), kBack);
}

TEST(FramePainters, LayoutOfTheOtherStyles) {
    struct Case {
        int style;
        Gdi::Rect caption;
        int iconX, iconY;
    } const cases[] = {
        {1, {6, 4, 192, 24}, 0, 6},  // icon y rnd((6 + 22 - 16) / 2)
        {2, {24, 0, 175, 21}, 27, 3},
        {4, {6, 8, 193, 28}, 0, 9},
        {8, {6, 0, 194, 98}, 0, 42},
    };
    for (const Case& k : cases) {
        Canvas c;
        const auto out = FramePainters::Paint(k.style, c.canvas, Captioned());
        EXPECT_EQ(out.caption, k.caption) << k.style;
        EXPECT_EQ(out.iconX, k.iconX) << k.style;
        EXPECT_EQ(out.iconY, k.iconY) << k.style;
        EXPECT_EQ(out.shape.has_value(), k.style == 8) << k.style;
    }
    Canvas none;
    const auto out = FramePainters::Paint(9, none.canvas, Captioned());
    EXPECT_EQ(out.caption, Gdi::Rect{});
    EXPECT_EQ(none.surface.image(), Canvas().surface.image());
}

TEST(FramePainters, RoundedPanelCutsItsCornersOnlyWhenRounded) {
    FramePainters::Input in = Captioned();
    in.headerStyle = 0;
    in.roundedCorner = false;
    Canvas square;
    const auto flat = FramePainters::Paint(8, square.canvas, in);
    ASSERT_TRUE(flat.shape);
    EXPECT_EQ(*flat.shape, Gdi::Region::FromRect({0, 0, 200, 100}));
    EXPECT_EQ(square.At(100, 50), kFill);
    in.roundedCorner = true;
    Canvas round;
    const auto cut = FramePainters::Paint(8, round.canvas, in);
    ASSERT_TRUE(cut.shape);
    EXPECT_FALSE(cut.shape->contains(0, 0));
    EXPECT_FALSE(cut.shape->contains(199, 99));
    EXPECT_TRUE(cut.shape->contains(4, 1));
    EXPECT_TRUE(cut.shape->contains(100, 0));
    EXPECT_EQ(round.At(0, 4), kFrame);  // corner pixel
}

// Stored heights and sizes far out of range paint without overflow or a long wait.
TEST(FramePainters, AbsurdHeightsPaintQuickly) {
    for (int style = 0; style < FramePainters::kStyleCount; ++style) {
        for (int tbh : {-2147483647, -5, 0, 2147483647}) {
            Canvas c(60, 30);
            FramePainters::Input in = Captioned(2147483000, 2147483000);
            in.textBoxHeight = tbh;
            in.iconSize = 32767;
            in.headerStyle = 1;
            in.gradientHeaderStyle = style % 4;
            FramePainters::Paint(style, c.canvas, in);
        }
    }
}
