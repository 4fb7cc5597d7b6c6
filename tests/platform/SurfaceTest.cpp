#include "Surface.h"

#include <QFont>

#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <string>

using namespace Gdi;

namespace {

constexpr quint32 kWhite = 0xFFFFFF;
constexpr quint32 kBlack = 0x000000;
constexpr quint32 kRed = 0x0000FF;
constexpr quint32 kBlue = 0xFF0000;
constexpr quint32 kGreen = 0x00FF00;

// The pixels of an area as text, one row per line: '#' black, '.' white, 'r' red, 'b' blue,
// 'g' green, '?' anything else.
std::string Art(const Surface& s, int x0, int y0, int x1, int y1) {
    std::string out;
    for (int y = y0; y < y1; ++y) {
        for (int x = x0; x < x1; ++x) {
            switch (s.GetPixel(x, y)) {
                case kBlack:
                    out += '#';
                    break;
                case kWhite:
                    out += '.';
                    break;
                case kRed:
                    out += 'r';
                    break;
                case kBlue:
                    out += 'b';
                    break;
                case kGreen:
                    out += 'g';
                    break;
                default:
                    out += '?';
                    break;
            }
        }
        out += '\n';
    }
    return out;
}

std::string Art(const Surface& s) {
    return Art(s, 0, 0, s.width(), s.height());
}

// Bounding box of the pixels that differ from the background colour.
Rect InkBounds(const Surface& s, quint32 background) {
    Rect r{INT_MAX, INT_MAX, INT_MIN, INT_MIN};
    for (int y = 0; y < s.height(); ++y) {
        for (int x = 0; x < s.width(); ++x) {
            if (s.GetPixel(x, y) == background) continue;
            r = {std::min(r.left, x), std::min(r.top, y), std::max(r.right, x + 1),
                 std::max(r.bottom, y + 1)};
        }
    }
    return r.left == INT_MAX ? Rect{} : r;
}

int CountColor(const Surface& s, quint32 color) {
    int n = 0;
    for (int y = 0; y < s.height(); ++y) {
        for (int x = 0; x < s.width(); ++x)
            n += s.GetPixel(x, y) == color;
    }
    return n;
}

QImage MakeImage(const QList<QList<quint32>>& rows) {
    QImage img(int(rows[0].size()), int(rows.size()), QImage::Format_RGB32);
    for (int y = 0; y < rows.size(); ++y) {
        for (int x = 0; x < rows[y].size(); ++x) {
            const quint32 c = rows[y][x];
            img.setPixel(x, y, qRgb(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF));
        }
    }
    return img;
}

}  // namespace

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

TEST(SurfaceRegions, CombineModes) {
    const Region a = Region::FromRect({0, 0, 4, 4});
    const Region b = Region::FromRect({2, 2, 6, 6});
    const struct {
        int mode;
        bool at1, at3, at5;  // contains (1,1), (3,3), (5,5)
    } cases[] = {
        {RGN_AND, false, true, false},  {RGN_OR, true, true, true},    {RGN_XOR, true, false, true},
        {RGN_DIFF, true, false, false}, {RGN_COPY, true, true, false}, {99, false, false, false},
    };
    for (const auto& c : cases) {
        const Region r = Region::Combine(a, b, c.mode);
        EXPECT_EQ(r.contains(1, 1), c.at1) << c.mode;
        EXPECT_EQ(r.contains(3, 3), c.at3) << c.mode;
        EXPECT_EQ(r.contains(5, 5), c.at5) << c.mode;
    }
    EXPECT_FALSE(a.contains(4, 0)) << "right column outside";
    EXPECT_TRUE(Region::FromRect({3, 3, 1, 1}).isEmpty());
}

TEST(SurfaceRegions, ShapesCoverWhatTheSurfaceDraws) {
    const Rect box{1, 2, 13, 11};
    const QList<QPoint> triangle{{1, 1}, {12, 4}, {3, 10}};
    const struct {
        const char* name;
        Region region;
        std::function<void(Surface&)> draw;
    } cases[] = {
        {"round rect", Region::FromRoundRect(box, 6, 6),
         [&](Surface& s) { s.RoundRect(box.left, box.top, box.right, box.bottom, 6, 6); }},
        {"ellipse", Region::FromEllipse(box),
         [&](Surface& s) { s.Ellipse(box.left, box.top, box.right, box.bottom); }},
        {"polygon", Region::FromPolygon(triangle),
         [&](Surface& s) {
             s.SelectPen({PS_NULL, 1, kBlack});
             s.Polygon(triangle);
         }},
    };
    for (const auto& c : cases) {
        Surface drawn(QSize(15, 13));
        drawn.SelectBrush(Brush::Solid(kBlack));
        c.draw(drawn);
        Surface filled(QSize(15, 13));
        filled.FillRgn(c.region, kBlack);
        EXPECT_EQ(Art(filled), Art(drawn)) << c.name;
        EXPECT_GT(CountColor(filled, kBlack), 20) << c.name;
    }
}

TEST(SurfaceRegions, FromImageLeavesOutTheTransparentColor) {
    const QImage img = MakeImage({{kRed, kBlue, kRed}, {kBlue, kBlue, kBlue}});
    const Region r = Region::FromImage(img, kRed);
    EXPECT_FALSE(r.contains(0, 0));
    EXPECT_TRUE(r.contains(1, 0));
    EXPECT_FALSE(r.contains(2, 0));
    EXPECT_TRUE(r.contains(0, 1));
    EXPECT_EQ(r.toQRegion(), QRegion(1, 0, 1, 1).united(QRegion(0, 1, 3, 1)));
    EXPECT_TRUE(Region::FromImage(QImage(), kRed).isEmpty());
}

TEST(SurfaceBlits, BitBltCopiesAndClipsOnBothSides) {
    const QImage src = MakeImage({{kRed, kBlue, kGreen}, {kBlack, kRed, kBlue}});
    Surface s(QSize(4, 3));
    EXPECT_TRUE(s.BitBlt(-1, 1, 3, 2, src, 0, 0));
    EXPECT_TRUE(s.BitBlt(3, 0, 3, 2, src, 2, 0));  // source runs out after one column
    EXPECT_EQ(Art(s), "...g\nbg.b\nrb..\n");
}

TEST(SurfaceBlits, BitBltFromItsOwnImageHandlesOverlap) {
    Surface s(QSize(5, 1));
    s.SetPixel(0, 0, kRed);
    s.SetPixel(1, 0, kBlue);
    s.SetPixel(2, 0, kGreen);
    EXPECT_TRUE(s.BitBlt(1, 0, 3, 1, s.image(), 0, 0));
    EXPECT_EQ(Art(s), "rrbg.\n");
}

TEST(SurfaceBlits, RasterOperations) {
    const quint32 src = 0xCCCC00;
    const quint32 dst = 0xAA00AA;
    const struct {
        quint32 rop;
        quint32 expected;
    } cases[] = {
        {SRCCOPY, 0xCCCC00},     {SRCPAINT, 0xEECCAA},   {SRCAND, 0x880000},
        {SRCINVERT, 0x66CCAA},   {SRCERASE, 0x44CC00},   {NOTSRCCOPY, 0x3333FF},
        {NOTSRCERASE, 0x113355}, {MERGEPAINT, 0xBB33FF}, {DSTINVERT, 0x55FF55},
        {BLACKNESS, 0x000000},   {WHITENESS, 0xFFFFFF},
    };
    for (const auto& c : cases) {
        Surface s(QSize(1, 1));
        s.SetPixel(0, 0, dst);
        EXPECT_TRUE(s.BitBlt(0, 0, 1, 1, MakeImage({{src}}), 0, 0, c.rop));
        EXPECT_EQ(s.GetPixel(0, 0), c.expected) << std::hex << c.rop;
    }
    Surface s(QSize(1, 1));
    EXPECT_FALSE(s.BitBlt(0, 0, 1, 1, MakeImage({{src}}), 0, 0, 0x00123456));
    EXPECT_EQ(s.GetPixel(0, 0), kWhite);
}

TEST(SurfaceBlits, StretchBltIsNearestNeighbour) {
    const QImage src = MakeImage({{kRed, kBlue}, {kGreen, kBlack}});
    Surface grow(QSize(4, 4));
    EXPECT_TRUE(grow.StretchBlt(0, 0, 4, 4, src, 0, 0, 2, 2));
    EXPECT_EQ(Art(grow), "rrbb\nrrbb\ngg##\ngg##\n");

    Surface shrink(QSize(2, 1));
    const QImage row = MakeImage({{kRed, kBlue, kGreen, kBlack}});
    EXPECT_TRUE(shrink.StretchBlt(0, 0, 2, 1, row, 0, 0, 4, 1));
    EXPECT_EQ(Art(shrink), "rg\n");

    // A one-pixel source edge stretched along a tab or button face.
    Surface edge(QSize(5, 1));
    EXPECT_TRUE(edge.StretchBlt(0, 0, 5, 1, row, 1, 0, 1, 1));
    EXPECT_EQ(Art(edge), "bbbbb\n");
}

TEST(SurfaceBlits, StretchSourceIndexTable) {
    const struct {
        int i, dst, src, expected;
    } cases[] = {{0, 4, 2, 0}, {1, 4, 2, 0},  {2, 4, 2, 1},  {3, 4, 2, 1},
                 {1, 2, 4, 2}, {4, 5, 10, 8}, {9, 10, 5, 4}, {3, 0, 5, 0}};
    for (const auto& c : cases) {
        EXPECT_EQ(StretchSourceIndex(c.i, c.dst, c.src), c.expected)
            << c.i << " " << c.dst << " " << c.src;
    }
}

TEST(SurfaceBlits, TransparentBltSkipsTheKeyColorWhileStretching) {
    const QImage mark = MakeImage({{kWhite, kBlack}, {kBlack, kWhite}});
    Surface s(QSize(4, 4));
    s.SetBkColor(kRed);
    s.Cls();
    EXPECT_TRUE(s.TransparentBlt(0, 0, 4, 4, mark, 0, 0, 2, 2, kWhite));
    EXPECT_EQ(Art(s), "rr##\nrr##\n##rr\n##rr\n");
}

TEST(SurfaceBlits, DrawIconExBlendsByAlphaAndStretches) {
    QImage icon(2, 1, QImage::Format_ARGB32);
    icon.setPixel(0, 0, qRgba(255, 0, 0, 255));
    icon.setPixel(1, 0, qRgba(0, 0, 255, 0));
    Surface s(QSize(5, 2));
    EXPECT_TRUE(s.DrawIconEx(0, 0, icon, 4, 2));
    EXPECT_EQ(Art(s), "rr...\nrr...\n");
    icon.setPixel(0, 0, qRgba(0, 0, 0, 128));
    EXPECT_TRUE(s.DrawIconEx(3, 1, icon));
    EXPECT_EQ(s.GetPixel(3, 1), 0x7F7F7Fu) << "half black over white";
    EXPECT_EQ(s.GetPixel(4, 1), kWhite);
    EXPECT_FALSE(s.DrawIconEx(0, 0, QImage()));
}

TEST(SurfaceBlits, BadArgumentsDrawNothing) {
    const QImage src = MakeImage({{kRed}});
    Surface s(QSize(2, 2));
    EXPECT_FALSE(s.BitBlt(0, 0, 1, 1, QImage(), 0, 0));
    EXPECT_FALSE(s.BitBlt(0, 0, -1, 1, src, 0, 0));
    EXPECT_FALSE(s.StretchBlt(0, 0, 2, 2, src, 0, 0, 0, 1));
    EXPECT_FALSE(s.TransparentBlt(0, 0, 2, -2, src, 0, 0, 1, 1, kWhite));
    EXPECT_TRUE(s.BitBlt(INT_MAX, INT_MIN, INT_MAX, INT_MAX, src, INT_MIN, 0));
    EXPECT_TRUE(s.StretchBlt(-5, -5, INT_MAX, INT_MAX, src, 0, 0, INT_MAX, 1));
    EXPECT_EQ(Art(s, 0, 0, 2, 1), "..\n");
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
class SurfaceText : public ::testing::Test {
protected:
    void SetUp() override {
        QFont::insertSubstitution("宋体", "AR PL UMing CN");
        QFont font("宋体");
        font.setPixelSize(12);
        m_surface.SelectFont(font);
    }
    // Draws and returns the cell the opaque background box occupies.
    Rect Cell(const QString& text, Rect rect, unsigned format) {
        m_surface.Cls();
        m_surface.SetBkColor(kBlue);
        m_surface.DrawText(text, &rect, format);
        m_surface.SetBkColor(kWhite);
        return InkBounds(m_surface, kWhite);
    }

    Surface m_surface{QSize(80, 50)};
};

TEST_F(SurfaceText, SongFaceMetricsAndUnantialiasedGlyphs) {
    EXPECT_EQ(m_surface.GetTextExtentPoint32("中"), QSize(12, 12));
    EXPECT_EQ(m_surface.GetTextExtentPoint32("A~"), QSize(12, 12));
    EXPECT_EQ(m_surface.LineHeight(), 12);
    EXPECT_EQ(m_surface.TextWidth("ab\r\nabcd\nx"), 24);
    EXPECT_EQ(m_surface.TextHeight("ab\r\nabcd\nx"), 36);
    EXPECT_EQ(m_surface.TextHeight(""), 12);
    EXPECT_TRUE(m_surface.font().styleStrategy() & QFont::NoAntialias);

    m_surface.SetBkMode(TRANSPARENT);
    m_surface.TextOut(5, 7, "中");
    const Rect ink = InkBounds(m_surface, kWhite);
    EXPECT_FALSE(ink.isEmpty());
    EXPECT_GE(ink.left, 5);
    EXPECT_GE(ink.top, 7);
    EXPECT_LE(ink.right, 17);
    EXPECT_LE(ink.bottom, 19);
    EXPECT_EQ(CountColor(m_surface, kBlack) + CountColor(m_surface, kWhite), 80 * 50) << "no grey";
}

TEST(SurfaceFonts, OnlySongFacesLoseAntialiasing) {
    const struct {
        const char* family;
        bool noAntialias;
    } cases[] = {{"宋体", true},    {"新宋体", true},    {"simsun", true},
                 {"NSimSun", true}, {"微软雅黑", false}, {"WenQuanYi Zen Hei", false}};
    for (const auto& c : cases) {
        const QFont f = Surface::PrepareFont(QFont(c.family));
        EXPECT_EQ(bool(f.styleStrategy() & QFont::NoAntialias), c.noAntialias) << c.family;
    }
}

TEST_F(SurfaceText, TextOutPlacesTheCellByItsTopLeftCorner) {
    m_surface.SetBkColor(kBlue);
    m_surface.TextOut(5, 7, "A中");
    EXPECT_EQ(InkBounds(m_surface, kWhite), (Rect{5, 7, 23, 19}));
    EXPECT_EQ(CountColor(m_surface, kBlue) + CountColor(m_surface, kBlack), 18 * 12);
}

TEST_F(SurfaceText, DrawTextAlignment) {
    const Rect box{10, 10, 70, 40};  // 60 x 30, text "AB" is 12 x 12
    const struct {
        unsigned format;
        Rect cell;
    } cases[] = {
        {DT_LEFT | DT_TOP, {10, 10, 22, 22}},
        {DT_CENTER, {34, 10, 46, 22}},
        {DT_RIGHT, {58, 10, 70, 22}},
        {DT_SINGLELINE | DT_VCENTER, {10, 19, 22, 31}},
        {DT_SINGLELINE | DT_BOTTOM | DT_RIGHT, {58, 28, 70, 40}},
        {DT_SINGLELINE | DT_VCENTER | DT_CENTER, {34, 19, 46, 31}},
        {DT_VCENTER | DT_BOTTOM, {10, 10, 22, 22}},  // multi-line text ignores them
    };
    for (const auto& c : cases)
        EXPECT_EQ(Cell("AB", box, c.format), c.cell) << std::hex << c.format;
}

TEST_F(SurfaceText, DrawTextClipsUnlessToldNot) {
    EXPECT_EQ(Cell("ABCDEFGH", {10, 10, 30, 16}, DT_SINGLELINE), (Rect{10, 10, 30, 16}));
    EXPECT_EQ(Cell("ABCDEFGH", {10, 10, 30, 16}, DT_SINGLELINE | DT_NOCLIP),
              (Rect{10, 10, 58, 22}));
    EXPECT_EQ(Cell("AB", {10, 10, 5, 30}, 0), Rect{}) << "empty rectangle";
}

TEST_F(SurfaceText, DrawTextReturnsTheHeightAndCalcRectMeasures) {
    const struct {
        QString text;
        unsigned format;
        int width;  // of the rectangle given
        Rect calc;  // as DT_CALCRECT leaves it, from (0, 0)
    } cases[] = {
        {"&Name", 0, 100, {0, 0, 24, 12}},
        {"&Name", DT_NOPREFIX, 100, {0, 0, 30, 12}},
        {"a&&b&", 0, 100, {0, 0, 18, 12}},
        {"a\r\nbb\rc\nd", 0, 100, {0, 0, 12, 48}},
        {"aaa bbb ccc", DT_WORDBREAK, 45, {0, 0, 42, 24}},
        {"中文字符测试", DT_WORDBREAK, 40, {0, 0, 36, 24}},
        {"abcdefghij", DT_WORDBREAK, 30, {0, 0, 60, 12}},
        {"ABCDEFGHIJ", DT_SINGLELINE | DT_END_ELLIPSIS, 40, {0, 0, 36, 12}},
        {"ABC", DT_SINGLELINE | DT_END_ELLIPSIS, 40, {0, 0, 18, 12}},
        {"", DT_SINGLELINE, 40, {0, 0, 0, 12}},
        {"", 0, 40, {0, 0, 0, 0}},
    };
    for (const auto& c : cases) {
        Rect r{0, 0, c.width, 5};
        const int h = m_surface.DrawText(c.text, &r, c.format | DT_CALCRECT);
        EXPECT_EQ(r, c.calc) << c.text.toStdString();
        EXPECT_EQ(h, c.text.isEmpty() ? 12 : c.calc.bottom) << c.text.toStdString();
    }
    EXPECT_EQ(CountColor(m_surface, kWhite), 80 * 50) << "DT_CALCRECT draws nothing";

    Rect box{0, 0, 60, 30};
    EXPECT_EQ(m_surface.DrawText("ab", &box, DT_SINGLELINE | DT_VCENTER), 9 + 12);
    EXPECT_EQ(m_surface.DrawText("ab", &box, DT_SINGLELINE | DT_BOTTOM), 30);
    EXPECT_EQ(m_surface.DrawText("a\r\nb", &box, 0), 24);
}

TEST_F(SurfaceText, PrefixUnderlinesOneCharacterInsideTheCell) {
    Surface plain(QSize(80, 50));
    plain.SelectFont(m_surface.font());
    Rect r1{10, 10, 70, 40};
    Rect r2 = r1;
    plain.DrawText("Name", &r1, DT_NOPREFIX);
    m_surface.DrawText("&Name", &r2, 0);
    // The only difference is one row of 6 pixels under the N, within its 6 x 12 cell.
    Rect diff{INT_MAX, INT_MAX, INT_MIN, INT_MIN};
    int count = 0;
    for (int y = 0; y < 50; ++y) {
        for (int x = 0; x < 80; ++x) {
            if (plain.GetPixel(x, y) == m_surface.GetPixel(x, y)) continue;
            ++count;
            EXPECT_EQ(m_surface.GetPixel(x, y), kBlack);
            diff = {std::min(diff.left, x), std::min(diff.top, y), std::max(diff.right, x + 1),
                    std::max(diff.bottom, y + 1)};
        }
    }
    EXPECT_GE(count, 4);
    EXPECT_EQ(diff.left, 10);
    EXPECT_LE(diff.right, 16);
    EXPECT_EQ(diff.height(), 1);
    EXPECT_GT(diff.top, 10 + 6);
    EXPECT_LT(diff.top, 22);
}

TEST_F(SurfaceText, DrawStateDisabledIsEmbossedAndLeavesTheStateAlone) {
    constexpr quint32 kGrey = 0x808080;
    m_surface.SetBkColor(kGrey);
    m_surface.Cls();
    m_surface.SetTextColor(kRed);
    EXPECT_TRUE(m_surface.DrawState("A", 5, 5, DST_TEXT | DSS_DISABLED));
    EXPECT_EQ(m_surface.GetTextColor(), kRed);
    EXPECT_EQ(m_surface.GetBkMode(), OPAQUE);
    EXPECT_EQ(CountColor(m_surface, kRed), 0);

    Surface reference(QSize(80, 50));
    reference.SelectFont(m_surface.font());
    reference.SetBkMode(TRANSPARENT);
    reference.TextOut(5, 5, "A");
    const Rect glyph = InkBounds(reference, kWhite);
    Rect shadow{INT_MAX, INT_MAX, INT_MIN, INT_MIN};
    bool highlightSeen = false;
    for (int y = 0; y < 50; ++y) {
        for (int x = 0; x < 80; ++x) {
            const quint32 p = m_surface.GetPixel(x, y);
            if (p == 0xA0A0A0) {  // button shadow, on top
                EXPECT_EQ(reference.GetPixel(x, y), kBlack);
                shadow = {std::min(shadow.left, x), std::min(shadow.top, y),
                          std::max(shadow.right, x + 1), std::max(shadow.bottom, y + 1)};
            } else if (p == kWhite) {  // button highlight, one pixel down and right
                EXPECT_EQ(reference.GetPixel(x - 1, y - 1), kBlack);
                highlightSeen = true;
            } else {
                EXPECT_EQ(p, kGrey) << "transparent background";
            }
        }
    }
    EXPECT_EQ(shadow, glyph);
    EXPECT_TRUE(highlightSeen);
    EXPECT_FALSE(m_surface.DrawState("A", 0, 0, 0x0004));  // only text is supported
}

TEST(SurfaceTextHelpers, StripPrefixes) {
    const struct {
        const char* in;
        const char* text;
        QList<int> underlined;
    } cases[] = {{"&Name", "Name", {0}}, {"a&&b", "a&b", {}},    {"ab&", "ab", {}},
                 {"&&&x", "&x", {1}},    {"&a&b", "ab", {0, 1}}, {"", "", {}}};
    for (const auto& c : cases) {
        const PrefixedText p = StripPrefixes(QString::fromUtf8(c.in));
        EXPECT_EQ(p.text, QString::fromUtf8(c.text)) << c.in;
        EXPECT_EQ(p.underlined, c.underlined) << c.in;
    }
}

TEST(SurfaceTextHelpers, WrapLineBreaksAtSpacesAndBetweenChineseCharacters) {
    auto measure = [](const QString& s) { return int(s.size()) * 6; };
    const struct {
        const char* line;
        int width;
        QStringList expected;
    } cases[] = {
        {"aaa bbb ccc", 45, {"aaa bbb", "ccc"}},
        {"aaa bbb ccc", 42, {"aaa bbb", "ccc"}},
        {"aaa   bbb", 24, {"aaa", "bbb"}},
        {"abcdefghij xy", 30, {"abcdefghij", "xy"}},
        {"中文字符测试", 18, {"中文字", "符测试"}},
        {"看ab cd", 18, {"看ab", "cd"}},
        {"", 10, {""}},
        {"abc", 0, {"abc"}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(WrapLine(QString::fromUtf8(c.line), c.width, measure), c.expected) << c.line;
    }
}
