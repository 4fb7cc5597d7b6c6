#include <gtest/gtest.h>

#include <QFont>

#include <climits>
#include <functional>
#include <string>

#include "Surface.h"
#include "SurfaceProbes.h"

using namespace Gdi;
using namespace SurfaceProbes;

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
