#include <gtest/gtest.h>

#include <QTest>
#include <limits>

#include "PropertyBag.h"
#include "TabSkin.h"
#include "safetabs.h"

namespace {

constexpr quint32 kMask = TabSkin::kMaskColor;

// A strip of the given skin at the default sizes, 300 x 120 pixels.
struct Strip {
    explicit Strip(int skin) {
        tabs.resize(300, 120);
        tabs.SetSkinIndex(skin);
    }
    quint32 At(int x, int y) const { return tabs.surface().GetPixel(x, y); }
    safetabs tabs;
};

}  // namespace

TEST(SafetabsSkin, ImageHasTheGridKeysAndBorderColors) {
    const QImage& skin = TabSkin::SkinImage();
    ASSERT_EQ(skin.size(), QSize(120, 160));
    const quint32 expected[] = {0xAEDAE7, 0x919B9C, 0x1D6EC1, 0x6E96B1,
                                0x898C95, 0x958993, 0x95898C, 0x898C95};
    const QList<quint32> borders = TabSkin::ReadBorderColors(skin);
    for (int k = 0; k < 8; ++k) {
        const quint32 rgb = expected[k];
        EXPECT_EQ(borders[k], Colors::Rgb(rgb >> 16, (rgb >> 8) & 0xFF, rgb & 0xFF)) << k;
    }
    const auto key = [&](int x, int y) { return skin.pixel(x, y) == qRgb(0xFF, 0, 0xFF); };
    for (int cell = 0; cell < 3; ++cell) {
        const int x = cell * 40;
        EXPECT_TRUE(key(x + 0, 0) && key(x + 2, 0) && key(x + 1, 1) && key(x + 0, 2));
        EXPECT_TRUE(key(x + 39, 2) && key(x + 37, 0));
        EXPECT_FALSE(key(x + 3, 0) || key(x + 1, 2) || key(x + 2, 1));
        EXPECT_TRUE(key(x + 1, 20) && key(x + 39, 21) && !key(x + 1, 21) && !key(x + 2, 20));
        EXPECT_TRUE(key(x, 60) && key(x + 39, 60) && !key(x + 1, 60) && !key(x, 61));
        for (int k = 4; k < 8; ++k)
            EXPECT_FALSE(key(x, 20 * k) || key(x + 39, 20 * k)) << k;
    }
}

TEST(SafetabsDraw, SkinSixAtTheDefaultSizes) {
    Strip s(6);
    // Active tab 0 from x = 2, 29 high; tab 1 from x = 84, 24 high, the 5 rows above it clear.
    EXPECT_EQ(s.At(1, 10), kMask);  // gap before tab 0
    EXPECT_NE(s.At(2, 0), kMask);   // active face reaches the top
    EXPECT_NE(s.At(81, 0), kMask);
    EXPECT_EQ(s.At(82, 10), kMask);  // 2-pixel gap
    EXPECT_EQ(s.At(83, 10), kMask);
    for (int y = 0; y < 5; ++y)
        EXPECT_EQ(s.At(100, y), kMask) << y;
    EXPECT_NE(s.At(100, 5), kMask);
    EXPECT_EQ(s.At(84, 5), 0x8F8F8Fu);  // left outline of the other face, square corner
    EXPECT_EQ(s.At(250, 10), kMask);    // row right of the last tab
    // The body: outline in the skin's border colour, filled in BackColor; the active face opens
    // into it.
    EXPECT_EQ(s.At(0, 28), Colors::Rgb(0x95, 0x89, 0x8C));
    EXPECT_EQ(s.At(150, 60), Colors::TranslateColor(Colors::kButtonFace));
    EXPECT_NE(s.At(40, 28), Colors::Rgb(0x95, 0x89, 0x8C));
    EXPECT_EQ(s.At(100, 28), Colors::Rgb(0x95, 0x89, 0x8C));
    // The see-through mask shows the same gaps.
    EXPECT_FALSE(s.tabs.mask().contains(QPoint(83, 10)));
    EXPECT_TRUE(s.tabs.mask().contains(QPoint(100, 10)));
}

TEST(SafetabsDraw, KeyedCornersAreTransparentOnlyOnRoundSkins) {
    // Top-left pixel of the active face (x = 2, y = 0) and of an other face (x = 84, y = 5).
    for (int skin = 0; skin < 8; ++skin) {
        SCOPED_TRACE(skin);
        Strip s(skin);
        const bool round = skin < 4;
        EXPECT_EQ(s.At(2, 0) == kMask, round);
        EXPECT_EQ(s.At(81, 0) == kMask, round);
        EXPECT_EQ(s.At(84, 5) == kMask, round);
        EXPECT_EQ(s.At(163, 5) == kMask, round);
        EXPECT_NE(s.At(20, 10), kMask);
    }
}

TEST(SafetabsDraw, SmallestFaceAndDisabledCaptions) {
    Strip s(6);
    s.tabs.SetLabelHeight(15);
    EXPECT_EQ(s.tabs.StripHeight(), 29);
    for (int y = 0; y < 14; ++y)
        EXPECT_EQ(s.At(100, y), kMask) << y;
    EXPECT_NE(s.At(100, 14), kMask);

    // Captions in black, or in grey when disabled; a long caption is clipped to its box.
    s.tabs.SetCaption(QStringLiteral("WWWWWWWWWWWWWWWWWWWWWWWW"));
    const auto count = [&](quint32 color) {
        int n = 0;
        for (int y = 0; y < 29; ++y)
            for (int x = 0; x < 300; ++x)
                n += s.At(x, y) == color;
        return n;
    };
    EXPECT_GT(count(0), 0);
    for (int y = 0; y < 29; ++y) {
        EXPECT_NE(s.At(6, y), 0u);  // left of the caption box
        EXPECT_NE(s.At(77, y), 0u);
    }
    s.tabs.SetEnabled(false);
    EXPECT_EQ(count(0), 0);
    EXPECT_GT(count(0x0099A8AC), 0);
}

TEST(SafetabsDraw, HoverShowsAtTheNextRepaint) {
    Strip s(4);
    s.tabs.show();
    const quint32 before = s.At(95, 20);
    QTest::mouseMove(&s.tabs, QPoint(120, 10));
    EXPECT_EQ(s.At(95, 20), before);
    s.tabs.Refresh();
    EXPECT_NE(s.At(95, 20), before);
}

TEST(SafetabsDraw, SkinOutsideTheImageDrawsTheBodyOnly) {
    Strip s(9);
    EXPECT_EQ(s.At(150, 60), Colors::TranslateColor(Colors::kButtonFace));
    EXPECT_EQ(s.At(40, 10), kMask);
    for (int skin : {-1, 8, std::numeric_limits<int>::min()}) {
        Strip outside(skin);
        EXPECT_EQ(outside.At(40, 10), kMask) << skin;
    }
}
