#include <gtest/gtest.h>

#include <QFont>

#include <climits>
#include <functional>
#include <string>

#include "Surface.h"
#include "SurfaceProbes.h"

using namespace Gdi;
using namespace SurfaceProbes;

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
