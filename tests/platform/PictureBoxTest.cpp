#include <gtest/gtest.h>

#include "Colors.h"
#include "FontSetup.h"
#include "PictureBox.h"

namespace {

class PictureBoxTest : public testing::Test {
protected:
    void SetUp() override {
        FontSetup::Install();
        box.SetBoxSize(QSize(100, 60));
        box.SetPrintFont(FontSetup::MakeFont(QStringLiteral("新宋体"), 9));
        box.SetBackColor(0x000000);
    }
    // The bounding box of the pixels that are not black.
    QRect InkBounds() const {
        const QImage image = box.Image();
        QRect bounds;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if ((image.pixel(x, y) & 0xFFFFFF) != 0) bounds |= QRect(x, y, 1, 1);
        return bounds;
    }
    PictureBox box;
};

TEST_F(PictureBoxTest, PreviewFontIsCrispTwelvePixels) {
    EXPECT_DOUBLE_EQ(box.TextWidth(QStringLiteral("中")), 12);
    EXPECT_DOUBLE_EQ(box.TextWidth(QStringLiteral("a")), 6);
    EXPECT_DOUBLE_EQ(box.TextHeight(QStringLiteral("a")), 12);
    box.SetCurrentX(10);
    box.SetCurrentY(20);
    box.SetForeColor(0x0000FF);
    box.Print(QStringLiteral("中"), true);
    // The glyph lies inside its 12 x 12 cell whose top-left corner is the print position, in
    // pure red with no soft pixels.
    const QRect ink = InkBounds();
    EXPECT_TRUE(QRect(10, 20, 12, 12).contains(ink)) << ink.x() << "," << ink.y();
    EXPECT_GE(ink.width(), 9);
    const QImage image = box.Image();
    for (int y = ink.top(); y <= ink.bottom(); ++y)
        for (int x = ink.left(); x <= ink.right(); ++x) {
            const QRgb p = image.pixel(x, y) & 0xFFFFFF;
            EXPECT_TRUE(p == 0 || p == 0xFF0000) << x << "," << y;
        }
    EXPECT_DOUBLE_EQ(box.CurrentX(), 22);
}

TEST_F(PictureBoxTest, OriginOffsetAndLineFlow) {
    box.SetOrigin(QPoint(20, 30));
    box.SetForeColor(0xFFFFFF);
    box.Cls();
    EXPECT_DOUBLE_EQ(box.CurrentX(), 0);
    box.Print(QStringLiteral("a"), false);
    EXPECT_DOUBLE_EQ(box.CurrentX(), 0);
    EXPECT_DOUBLE_EQ(box.CurrentY(), 12);
    EXPECT_TRUE(QRect(20, 30, 6, 12).contains(InkBounds()));
}

TEST_F(PictureBoxTest, ClsKeepsTheBackgroundPicture) {
    QImage picture(50, 50, QImage::Format_RGB32);
    picture.fill(QColor(10, 20, 30));
    box.SetPicture(picture);
    box.SetForeColor(0xFFFFFF);
    box.Print(QStringLiteral("xx"), true);
    box.Cls();
    const QImage image = box.Image();
    EXPECT_EQ(image.pixel(0, 0) & 0xFFFFFF, 0x0A141Eu);
    EXPECT_EQ(image.pixel(60, 0) & 0xFFFFFF, 0u);  // beyond the picture: the back colour
    EXPECT_EQ(image.pixel(49, 49) & 0xFFFFFF, 0x0A141Eu);
}

TEST_F(PictureBoxTest, TwipsScale) {
    box.SetScaleMode(PictureBox::ScaleMode::Twips);
    EXPECT_DOUBLE_EQ(box.TextWidth(QStringLiteral("a")), 90);
    box.Print(QStringLiteral("a"), false);
    EXPECT_DOUBLE_EQ(box.CurrentY(), 180);
}

}  // namespace

namespace {

// What was printed before a change of font stays as it was printed: the pending prints are
// composed in the font they were printed in, not read from a discarded glyph cache.
TEST_F(PictureBoxTest, PrintsBeforeAFontChangeKeepTheirFont) {
    PictureBox reference;
    reference.SetBoxSize(QSize(100, 60));
    reference.SetPrintFont(box.PrintFont());
    reference.SetBackColor(0x000000);
    for (PictureBox* b : {&box, &reference}) {
        b->SetForeColor(0xFFFFFF);
        b->Print(QStringLiteral("abc中"), true);
    }
    box.SetPrintFont(FontSetup::MakeFont(QStringLiteral("Tahoma"), 20, true));
    box.Print(QStringLiteral("xyz"), true);  // new cache entries where the old ones were
    reference.SetPrintFont(FontSetup::MakeFont(QStringLiteral("Tahoma"), 20, true));
    reference.Print(QStringLiteral("xyz"), true);
    EXPECT_EQ(box.Image(), reference.Image());
    EXPECT_FALSE(InkBounds().isEmpty());
}

// A text with a line break goes on at x = 0 one line lower, and the print position follows its
// last line, so what is printed next comes after it rather than over the first line.
TEST_F(PictureBoxTest, LineBreakInsideAPrintStartsTheNextLineAtTheLeft) {
    QList<QPoint> printedAt;
    QObject::connect(&box, &PictureBox::TextPrinted, [&](int x, int y, quint32, const QString&) {
        printedAt.append({x, y});
    });
    box.SetOrigin(QPoint(4, 2));
    box.SetForeColor(0xFFFFFF);
    box.SetCurrentX(30);
    box.Print(QStringLiteral("ab\r\ncd"), true);
    EXPECT_DOUBLE_EQ(box.CurrentX(), 12);
    EXPECT_DOUBLE_EQ(box.CurrentY(), 12);
    box.Print(QStringLiteral("Z"), true);
    EXPECT_EQ(printedAt, (QList<QPoint>{{34, 2}, {16, 14}}));
    // "ab" on the first line from x = 34, "cd" and "Z" on the second from the origin's x.
    const QImage image = box.Image();
    auto inkIn = [&](QRect r) {
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                if ((image.pixel(x, y) & 0xFFFFFF) != 0) return true;
        return false;
    };
    EXPECT_TRUE(inkIn(QRect(34, 2, 12, 12)));
    EXPECT_TRUE(inkIn(QRect(4, 14, 12, 12)));
    EXPECT_TRUE(inkIn(QRect(16, 14, 6, 12)));
    EXPECT_FALSE(inkIn(QRect(0, 2, 34, 12)));
    EXPECT_FALSE(inkIn(QRect(46, 2, 54, 24)));
    // Width and height still measure the widest line and all lines.
    EXPECT_DOUBLE_EQ(box.TextWidth(QStringLiteral("a\nbcd")), 18);
    EXPECT_DOUBLE_EQ(box.TextHeight(QStringLiteral("a\nbcd")), 24);
}

}  // namespace
