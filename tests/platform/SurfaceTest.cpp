#include <gtest/gtest.h>

#include <QFont>

#include <climits>
#include <functional>
#include <string>

#include "Surface.h"
#include "SurfaceProbes.h"

using namespace Gdi;
using namespace SurfaceProbes;

TEST(SurfaceState, StartsWithTheSystemDefaultsAndSettersReturnThePreviousValue) {
    Surface s(QSize(4, 3));
    EXPECT_EQ(s.size(), QSize(4, 3));
    EXPECT_EQ(Art(s), "....\n....\n....\n");
    EXPECT_EQ(s.pen(), (Pen{PS_SOLID, 1, kBlack}));
    EXPECT_EQ(s.brush(), Brush::Solid(kWhite));
    EXPECT_EQ(s.GetTextColor(), kBlack);
    EXPECT_EQ(s.GetBkColor(), kWhite);
    EXPECT_EQ(s.GetBkMode(), OPAQUE);

    EXPECT_EQ(s.SetTextColor(kRed), kBlack);
    EXPECT_EQ(s.SetBkColor(kBlue), kWhite);
    EXPECT_EQ(s.SetBkMode(TRANSPARENT), OPAQUE);
    EXPECT_EQ(s.SetBkMode(7), 0);  // rejected, mode kept
    EXPECT_EQ(s.GetBkMode(), TRANSPARENT);
    EXPECT_EQ(s.SelectPen(Pen{PS_DOT, 1, kRed}), (Pen{PS_SOLID, 1, kBlack}));
    EXPECT_EQ(s.SelectBrush(Brush::Null()), Brush::Solid(kWhite));
    EXPECT_EQ(s.MoveToEx(3, 2), QPoint(0, 0));
    EXPECT_EQ(s.MoveToEx(1, 1), QPoint(3, 2));
}

TEST(SurfaceState, ClsAndResizeClearToTheBackgroundColor) {
    Surface s(QSize(3, 2));
    s.SetBkColor(kRed);
    s.MoveToEx(2, 1);
    s.Cls();
    EXPECT_EQ(Art(s), "rrr\nrrr\n");
    EXPECT_EQ(s.GetCurrentPositionEx(), QPoint(0, 0));
    s.SetBkColor(0x80000005);  // system colour: window background, white
    s.Resize(QSize(-3, 2));
    EXPECT_EQ(s.size(), QSize(1, 2));
    EXPECT_EQ(Art(s), ".\n.\n");
}

TEST(SurfacePixels, UseColorReferencesAndFailOutsideTheImage) {
    Surface s(QSize(3, 3));
    EXPECT_EQ(s.SetPixel(1, 2, 0x123456), 0x123456u);
    EXPECT_EQ(s.GetPixel(1, 2), 0x123456u);
    EXPECT_EQ(s.image().pixel(1, 2), qRgb(0x56, 0x34, 0x12));
    EXPECT_EQ(s.SetPixel(0, 0, 0x80000011), 0x6D6D6Du);  // grey text
    EXPECT_EQ(s.SetPixel(3, 0, kRed), CLR_INVALID);
    EXPECT_FALSE(s.SetPixelV(-1, 0, kRed));
    EXPECT_EQ(s.GetPixel(0, -1), CLR_INVALID);
}

struct ArtCase {
    const char* name;
    std::function<void(Surface&)> draw;
    const char* expected;
};

class SurfaceShapes : public ::testing::TestWithParam<ArtCase> {};

// Surfaces of 7 x 6, white; pen black, brush red unless a case changes them.
TEST_P(SurfaceShapes, FollowTheSystemsPixelRules) {
    Surface s(QSize(7, 6));
    s.SelectBrush(Brush::Solid(kRed));
    GetParam().draw(s);
    EXPECT_EQ(Art(s), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Surface, SurfaceShapes,
    ::testing::Values(ArtCase{"FillRectExcludesRightAndBottom",
                              [](Surface& s) {
                                  s.FillRect({1, 1, 4, 3}, kBlack);
                              },
                              ".......\n.###...\n.###...\n.......\n.......\n.......\n"},
                      ArtCase{"FillRectClipsHugeRect",
                              [](Surface& s) {
                                  s.FillRect({INT_MIN, -5, 2, INT_MAX}, kBlack);
                              },
                              "##.....\n##.....\n##.....\n##.....\n##.....\n##.....\n"},
                      ArtCase{"InvertedRectFillsNothing",
                              [](Surface& s) {
                                  s.FillRect({5, 5, 2, 2}, kBlack);
                                  s.FrameRect({5, 5, 2, 2}, kBlack);
                                  s.DrawFocusRect({5, 5, 2, 2});
                              },
                              ".......\n.......\n.......\n.......\n.......\n.......\n"},
                      ArtCase{"InvertedShapeBoxIsNormalised",
                              [](Surface& s) { s.Rectangle(5, 4, 1, 1); },
                              ".......\n.####..\n.#rr#..\n.####..\n.......\n.......\n"},
                      ArtCase{"FrameRectDrawsInside",
                              [](Surface& s) {
                                  s.FrameRect({1, 1, 6, 5}, kBlack);
                              },
                              ".......\n.#####.\n.#...#.\n.#...#.\n.#####.\n.......\n"},
                      ArtCase{"RectangleOutlineInsideFilledByBrush",
                              [](Surface& s) { s.Rectangle(1, 1, 6, 5); },
                              ".......\n.#####.\n.#rrr#.\n.#rrr#.\n.#####.\n.......\n"},
                      ArtCase{"RectangleWithoutPenFillsOneLess",
                              [](Surface& s) {
                                  s.SelectPen({PS_NULL, 1, kBlack});
                                  s.Rectangle(1, 1, 6, 5);
                              },
                              ".......\n.rrrr..\n.rrrr..\n.rrrr..\n.......\n.......\n"},
                      ArtCase{"RectangleHollowBrush",
                              [](Surface& s) {
                                  s.SelectBrush(Brush::Null());
                                  s.Rectangle(0, 0, 3, 3);
                              },
                              "###....\n#.#....\n###....\n.......\n.......\n.......\n"},
                      ArtCase{"WidePenStraddlesTheEdge",
                              [](Surface& s) {
                                  // A pen twice as wide as wanted, on a box one larger than the
                                  // surface, leaves a one-pixel border inside it.
                                  s.SelectPen({PS_SOLID, 2, kBlack});
                                  s.SelectBrush(Brush::Null());
                                  s.Rectangle(0, 0, 8, 7);
                              },
                              "#######\n#.....#\n#.....#\n#.....#\n#.....#\n#######\n"},
                      ArtCase{"RoundRectWithoutCornersIsARectangle",
                              [](Surface& s) { s.RoundRect(1, 1, 6, 5, 0, 0); },
                              ".......\n.#####.\n.#rrr#.\n.#rrr#.\n.#####.\n.......\n"},
                      ArtCase{"LineToSkipsTheEndPoint",
                              [](Surface& s) {
                                  s.MoveToEx(1, 1);
                                  s.LineTo(5, 1);
                                  s.LineTo(5, 4);
                                  s.MoveToEx(0, 5);
                                  s.LineTo(0, 5);  // zero length: nothing
                              },
                              ".......\n.#####.\n.....#.\n.....#.\n.......\n.......\n"},
                      ArtCase{"DiagonalLineBothDirections",
                              [](Surface& s) {
                                  s.MoveToEx(0, 0);
                                  s.LineTo(3, 3);
                                  s.MoveToEx(6, 0);
                                  s.LineTo(3, 3);
                              },
                              "#.....#\n.#...#.\n..#.#..\n.......\n.......\n.......\n"},
                      ArtCase{"PolylineSkipsOnlyTheLastPoint",
                              [](Surface& s) {
                                  s.Polyline({{0, 0}, {3, 0}, {3, 3}});
                              },
                              "####...\n...#...\n...#...\n.......\n.......\n.......\n"},
                      ArtCase{"NullPenDrawsNoLine",
                              [](Surface& s) {
                                  s.SelectPen({PS_NULL, 1, kBlack});
                                  s.LineTo(6, 0);
                              },
                              ".......\n.......\n.......\n.......\n.......\n.......\n"},
                      ArtCase{"WidePenLineHasCaps",
                              [](Surface& s) {
                                  s.SelectPen({PS_SOLID, 2, kBlack});
                                  s.MoveToEx(2, 3);
                                  s.LineTo(5, 3);
                              },
                              ".......\n.......\n.#####.\n.#####.\n.......\n.......\n"},
                      ArtCase{"PolygonFillsPixelCentresAndOutlinesEveryCorner",
                              [](Surface& s) {
                                  s.Polygon({{1, 1}, {5, 1}, {5, 4}, {1, 4}});
                              },
                              ".......\n.#####.\n.#rrr#.\n.#rrr#.\n.#####.\n.......\n"},
                      ArtCase{"PolygonWithoutPen",
                              [](Surface& s) {
                                  s.SelectPen({PS_NULL, 1, kBlack});
                                  s.Polygon({{1, 1}, {5, 1}, {5, 4}, {1, 4}});
                              },
                              ".......\n.rrrr..\n.rrrr..\n.rrrr..\n.......\n.......\n"},
                      ArtCase{"PolygonOfTooFewPointsDrawsNothing",
                              [](Surface& s) {
                                  s.Polygon({});
                                  s.Polygon({{1, 1}});
                                  s.Polyline({{1, 1}});
                              },
                              ".......\n.......\n.......\n.......\n.......\n.......\n"},
                      ArtCase{"DottedPenGapsShowTheBackgroundWhenOpaque",
                              [](Surface& s) {
                                  s.SelectPen({PS_DOT, 1, kBlack});
                                  s.SetBkColor(kBlue);
                                  s.LineTo(7, 0);
                                  s.SetBkMode(TRANSPARENT);
                                  s.MoveToEx(0, 1);
                                  s.LineTo(7, 1);
                              },
                              "###bbb#\n###...#\n.......\n.......\n.......\n.......\n"},
                      ArtCase{"DottedRectangleOutlineRunsRound",
                              [](Surface& s) {
                                  s.SelectPen({PS_DOT, 1, kBlack});
                                  s.SetBkMode(TRANSPARENT);
                                  s.SelectBrush(Brush::Null());
                                  s.Rectangle(0, 0, 7, 6);
                              },
                              "###...#\n......#\n......#\n#......\n#......\n#...###\n"},
                      ArtCase{"FocusRectInvertsEveryOtherPixel",
                              [](Surface& s) {
                                  s.DrawFocusRect({1, 0, 6, 5});
                              },
                              "..#.#..\n.#...#.\n.......\n.#...#.\n..#.#..\n.......\n"},
                      ArtCase{"FocusRectTwiceRestores",
                              [](Surface& s) {
                                  s.DrawFocusRect({0, 0, 7, 6});
                                  s.DrawFocusRect({0, 0, 7, 6});
                              },
                              ".......\n.......\n.......\n.......\n.......\n.......\n"}),
    [](const ::testing::TestParamInfo<ArtCase>& info) { return info.param.name; });

TEST(SurfaceRoundShapes, StayInsideTheBoxSymmetricWithCutCorners) {
    for (const QSize size : {QSize(12, 10), QSize(11, 9)}) {
        Surface s(QSize(14, 12));
        s.SelectBrush(Brush::Solid(kRed));
        s.RoundRect(1, 1, 1 + size.width(), 1 + size.height(), 5, 5);
        const Rect ink = InkBounds(s, kWhite);
        EXPECT_EQ(ink, (Rect{1, 1, 1 + size.width(), 1 + size.height()}));
        EXPECT_EQ(s.GetPixel(1, 1), kWhite) << "corner cut";
        EXPECT_EQ(s.GetPixel(1 + size.width() / 2, 1), kBlack) << "top edge";
        EXPECT_EQ(s.GetPixel(1 + size.width() / 2, 1 + size.height() / 2), kRed) << "filled";
        for (int y = ink.top; y < ink.bottom; ++y) {
            for (int x = ink.left; x < ink.right; ++x) {
                const int mx = ink.left + ink.right - 1 - x;
                const int my = ink.top + ink.bottom - 1 - y;
                ASSERT_EQ(s.GetPixel(x, y), s.GetPixel(mx, y)) << x << "," << y;
                ASSERT_EQ(s.GetPixel(x, y), s.GetPixel(x, my)) << x << "," << y;
            }
        }
    }
}

TEST(SurfaceRoundShapes, CornerEllipseLargerThanTheBoxIsAnEllipse) {
    Surface a(QSize(12, 10));
    Surface b(QSize(12, 10));
    a.RoundRect(1, 1, 11, 9, 500, 500);
    b.Ellipse(1, 1, 11, 9);
    EXPECT_EQ(Art(a), Art(b));
    EXPECT_EQ(Art(b, 0, 0, 12, 3), "............\n....####....\n..##....##..\n");
}

TEST(SurfaceBrushes, FillStylesMapToHatches) {
    const struct {
        int fillStyle;
        Brush brush;
    } cases[] = {
        {0, Brush::Solid(kRed)},
        {1, Brush::Null()},
        {2, Brush::Hatched(HS_HORIZONTAL, kRed)},
        {3, Brush::Hatched(HS_VERTICAL, kRed)},
        {4, Brush::Hatched(HS_BDIAGONAL, kRed)},
        {5, Brush::Hatched(HS_FDIAGONAL, kRed)},
        {6, Brush::Hatched(HS_CROSS, kRed)},
        {7, Brush::Hatched(HS_DIAGCROSS, kRed)},
        {8, Brush::Null()},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Brush::FromFillStyle(c.fillStyle, kRed), c.brush) << c.fillStyle;
}

TEST(SurfaceBrushes, HatchGapsFollowTheBackgroundMode) {
    for (const int mode : {TRANSPARENT, OPAQUE}) {
        Surface s(QSize(16, 16));
        s.SetBkColor(kGreen);
        s.Cls();
        s.SetBkColor(kBlue);
        s.SetBkMode(mode);
        s.SelectPen({PS_NULL, 1, kBlack});
        s.SelectBrush(Brush::Hatched(HS_HORIZONTAL, kRed));
        s.Rectangle(0, 0, 17, 17);
        const std::string row = Art(s, 0, 0, 16, 1);
        EXPECT_EQ(row, mode == OPAQUE ? "bbbbbbbbbbbbbbbb\n" : "gggggggggggggggg\n");
        EXPECT_EQ(CountColor(s, kRed), 2 * 16) << "two hatch rows of 16";
    }
}

TEST(SurfaceRobustness, AbsurdCoordinatesNeitherHangNorCrash) {
    Surface s(QSize(8, 8));
    s.SelectBrush(Brush::Solid(kRed));
    s.MoveToEx(-1000000000, 5);
    s.LineTo(1000000000, 5);
    EXPECT_EQ(Art(s, 0, 5, 8, 6), "########\n") << "the visible part of a long line";
    s.MoveToEx(INT_MIN, INT_MIN);
    s.LineTo(INT_MAX, INT_MAX);
    s.RoundRect(INT_MIN, INT_MIN, INT_MAX, INT_MAX, INT_MAX, 7);
    s.Ellipse(INT_MAX, INT_MAX, INT_MIN, INT_MIN);
    s.Polygon({{INT_MIN, 0}, {INT_MAX, INT_MAX}, {0, INT_MIN}});
    s.SelectPen({PS_SOLID, INT_MAX, kBlack});
    s.LineTo(3, 3);
    s.Rectangle(-100, -100, 100, 100);
    s.SelectPen({PS_DOT, -4, kBlack});
    s.Rectangle(INT_MIN, INT_MIN, INT_MAX, INT_MAX);
    s.DrawFocusRect({INT_MIN, INT_MIN, INT_MAX, INT_MAX});
    EXPECT_EQ(s.DrawText("x", nullptr, 0), 0);
    Rect huge{INT_MIN, INT_MIN, INT_MAX, INT_MAX};
    s.DrawText("wide\r\ntext", &huge, DT_CENTER | DT_WORDBREAK);
    s.DrawText("wide", &huge, DT_SINGLELINE | DT_VCENTER | DT_CENTER);
    EXPECT_TRUE(
        Region::FromPolygon({{INT_MIN, INT_MIN}, {INT_MAX, 0}, {0, INT_MAX}}).contains(0, 0));
    EXPECT_TRUE(Region::FromRoundRect({INT_MIN, INT_MIN, INT_MAX, INT_MAX}, 9, 9).contains(5, 5));
    const Surface big(QSize(100000, 3));
    EXPECT_EQ(big.size(), QSize(8192, 3)) << "sides are capped";
}

// Text in the Song face at 12 px, whose built-in bitmaps give 12 x 12 Chinese characters and
// 6 x 12 ASCII ones.
