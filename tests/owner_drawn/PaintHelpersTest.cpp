#include <gtest/gtest.h>
#include <QFont>
#include <QMap>

#include "BreakLines.h"
#include "ColorBlend.h"
#include "ColorDrawing.h"
#include "Colors.h"
#include "PaintCycle.h"
#include "SmoothDrawing.h"

using Colors::Rgb;
using namespace ColorBlend;
using namespace SmoothDrawing;

namespace {

constexpr quint32 kWhite = 0xFFFFFF;
constexpr quint32 kBlack = 0x000000;

Surface WhiteSurface(int w = 10, int h = 10) {
    Surface s(QSize(w, h));
    s.FillRect({0, 0, w, h}, kWhite);
    return s;
}

// The pixels of a surface that are not white, as (x, y) -> colour.
QMap<QPair<int, int>, quint32> Painted(const Surface& s) {
    QMap<QPair<int, int>, quint32> painted;
    for (int y = 0; y < s.height(); ++y)
        for (int x = 0; x < s.width(); ++x)
            if (s.GetPixel(x, y) != kWhite) painted[{x, y}] = s.GetPixel(x, y);
    return painted;
}

}  // namespace

TEST(PaintBlendColor, Table) {
    const quint32 base = Rgb(70, 190, 247);
    struct Case {
        quint32 from, to;
        float amount;
        quint32 expected;
    } cases[] = {
        {base, 0x123456, 0.0f, base},
        {base, 0x123456, 1.0f, 0x123456},
        {base, 0x123456, 2.5f, 0x123456},
        {base, kWhite, 0.8f, Rgb(218, 242, 253)},
        // 0.7 as a 32-bit float is just below 0.7, so 199.5 and 235.5 round down.
        {base, kWhite, 0.7f, Rgb(199, 235, 253)},
        {base, kBlack, 0.1f, Rgb(63, 171, 222)},
        // 0.5, 1.5 and 2.5 round to the even neighbour.
        {kBlack, Rgb(1, 3, 5), 0.5f, Rgb(0, 2, 2)},
    };
    for (const Case& c : cases)
        EXPECT_EQ(BlendColor(c.from, c.to, c.amount), c.expected)
            << std::hex << c.from << " " << c.to << " " << c.amount;
}

TEST(PaintBlendColor, SplitColor) {
    EXPECT_EQ(SplitColor(0), (Channels{0, 0, 0}));
    EXPECT_EQ(SplitColor(Rgb(1, 2, 3)), (Channels{1, 2, 3}));
}

TEST(PaintSmoothPoint, SpreadsOverFourPixels) {
    struct Case {
        float x, y;
        QMap<QPair<int, int>, quint32> expected;
    } cases[] = {
        {2.0f, 3.0f, {{{2, 3}, kBlack}}},
        {2.5f, 3.0f, {{{2, 3}, 0x808080}, {{3, 3}, 0x808080}}},
        {2.25f,
         3.5f,
         {{{2, 3}, 0x9F9F9F}, {{3, 3}, 0xDFDFDF}, {{2, 4}, 0x9F9F9F}, {{3, 4}, 0xDFDFDF}}},
        // Off the surface on one side: the pixels inside are still blended.
        {-0.5f, 0.0f, {{{0, 0}, 0x808080}}},
    };
    for (const Case& c : cases) {
        Surface s = WhiteSurface();
        PlotSmoothPoint(&s, c.x, c.y, kBlack);
        EXPECT_EQ(Painted(s), c.expected) << c.x << "," << c.y;
    }
}

TEST(PaintSmoothArc, TopLeftQuarterHasFivePoints) {
    const QList<QPointF> points = ArcPoints(10, 20, 3, 3, 270, 360, 22.5f);
    ASSERT_EQ(points.size(), 5);
    EXPECT_NEAR(points.first().x(), 10, 1e-4);
    EXPECT_NEAR(points.first().y(), 23, 1e-4);
    EXPECT_NEAR(points.last().x(), 13, 1e-4);
    EXPECT_NEAR(points.last().y(), 20, 1e-4);
    EXPECT_TRUE(ArcPoints(0, 0, 3, 3, 0, 90, 0).isEmpty());
}

TEST(PaintSmoothArc, RoundFrameHasStraightEdgesAndSoftCorners) {
    Surface s = WhiteSurface(20, 12);
    DrawSmoothRoundFrame(&s, 0, 0, 20, 12, 3, kBlack);
    EXPECT_EQ(s.GetPixel(10, 0), kBlack);   // top edge
    EXPECT_EQ(s.GetPixel(10, 11), kBlack);  // bottom edge
    EXPECT_EQ(s.GetPixel(0, 6), kBlack);    // left edge
    EXPECT_EQ(s.GetPixel(19, 6), kBlack);   // right edge
    EXPECT_EQ(s.GetPixel(10, 5), kWhite);
    const quint32 soft = s.GetPixel(1, 1);
    EXPECT_NE(soft, kWhite);
    EXPECT_NE(soft, kBlack);
    // Nothing for a radius of 1 or an empty box.
    Surface t = WhiteSurface();
    DrawSmoothRoundFrame(&t, 0, 0, 10, 10, 1, kBlack);
    DrawSmoothRoundFrame(&t, 5, 0, 5, 10, 3, kBlack);
    EXPECT_TRUE(Painted(t).isEmpty());
}

TEST(PaintFillLine, PaintsRowsAndColumns) {
    Surface row = WhiteSurface();
    ColorDrawing::FillLine(&row, 2, 4, 7, 4, kBlack, 1);
    const auto painted = Painted(row);
    EXPECT_EQ(painted.size(), 5);
    for (int x = 2; x < 7; ++x)
        EXPECT_TRUE(painted.contains({x, 4}));

    Surface column = WhiteSurface();
    ColorDrawing::FillLine(&column, 3, 1, 3, 6, kBlack, 2);
    EXPECT_EQ(Painted(column).size(), 10);
    EXPECT_EQ(column.GetPixel(4, 5), kBlack);
    EXPECT_EQ(column.GetPixel(3, 6), kWhite);

    Surface slanted = WhiteSurface();
    ColorDrawing::FillLine(&slanted, 1, 1, 5, 5, kBlack, 1);
    ColorDrawing::FillLine(nullptr, 1, 1, 5, 1, kBlack, 1);
    EXPECT_TRUE(Painted(slanted).isEmpty());
}

TEST(PaintBreakLines, Table) {
    const auto sixEach = [](const QString& s) { return int(s.size()) * 6; };
    struct Case {
        QString text;
        int width;
        QStringList expected;
    } cases[] = {
        {"abcd", 24, {"abcd"}},        // exact fit: no extra empty line
        {"abcde", 24, {"abcd", "e"}},  // ends after the fitting character
        {"abcde", 20, {"abc", "de"}},  // too wide: the character starts the next line
        {"ab\r\ncd", 100, {"ab", "cd"}},
        {"ab\r\n", 100, {"ab"}},
        {"\r\n\r\nx", 100, {"", "", "x"}},
        {"a\rb", 100, {"a\rb"}},  // a lone CR is an ordinary character
        {"abc", 3, {"a", "b", "c"}},
        {"", 10, {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(BreakLines(c.text, c.width, sixEach), c.expected) << c.text.toStdString();
}

TEST(PaintCycleTest, FontHeightRoundsPointsThenPixels) {
    const struct {
        double points;
        int pixels;
    } cases[] = {{10.5, 13}, {9, 12}, {11.5, 16}, {12, 16}};
    for (const auto& c : cases) {
        QFont font("Tahoma");
        font.setPointSizeF(c.points);
        EXPECT_EQ(PaintCycle::CreateFontFromObject(font).pixelSize(), c.pixels) << c.points;
    }
    QFont bold("Tahoma", 9);
    bold.setBold(true);
    bold.setItalic(true);
    const QFont made = PaintCycle::CreateFontFromObject(bold);
    EXPECT_EQ(made.weight(), QFont::Bold);
    EXPECT_TRUE(made.italic());
}

TEST(PaintCycleTest, AnsiTextShowsMissingCharactersAsQuestionMarks) {
    EXPECT_EQ(PaintCycle::AnsiText(QStringLiteral("确定 ok")), QStringLiteral("确定 ok"));
    EXPECT_EQ(PaintCycle::AnsiText(QStringLiteral("a😀b")), QStringLiteral("a?b"));
}

TEST(PaintCycleTest, BufferThatCannotBeMadeDrawsNothing) {
    Surface target = WhiteSurface();
    bool ranWithNull = false;
    PaintCycle::PaintControl(target, QSize(0, 5), QFont(), 0,
                             [&](Surface* dc) { ranWithNull = dc == nullptr; });
    EXPECT_TRUE(ranWithNull);
    PaintCycle::PaintControl(target, QSize(4, 4), QFont(), 0, [](Surface* dc) {
        dc->FillRect({0, 0, 4, 4}, 0x0000FF);
    });
    EXPECT_EQ(target.GetPixel(3, 3), 0x0000FFu);
    EXPECT_EQ(target.GetPixel(4, 4), kWhite);
}
