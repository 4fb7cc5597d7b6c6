#include <gtest/gtest.h>

#include <QFont>

#include <climits>
#include <functional>
#include <string>

#include "Surface.h"
#include "SurfaceProbes.h"

using namespace Gdi;
using namespace SurfaceProbes;

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
