#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>

#include <QShortcutEvent>

#include "FontSetup.h"
#include "FxFrame.h"
#include "FxFrameGeometry.h"
#include "MessageBoxRecorder.h"
#include "PropertyBag.h"

namespace {

const quint32 kFace = Colors::TranslateColor(Colors::kButtonFace);
const quint32 kOutline =
    Colors::TranslateColor(Colors::System(Colors::SystemColor::InactiveBorder));

// The window's fonts, installed before the first frame picks its font.
struct WithFonts {
    WithFonts() {
        static const bool installed = (FontSetup::Install(), true);
        Q_UNUSED(installed);
    }
};

// A new frame of 200 x 100 pixels named "FxFrame26".
struct Frame : WithFonts {
    explicit Frame(const QString& stored = {}) {
        frame.SetName(QStringLiteral("FxFrame26"));
        if (stored.isNull())
            frame.InitNew();
        else
            frame.Load(PropertyBag::FromText(stored));
        frame.SetSizeTwips(3000, 1500);
    }
    quint32 At(int x, int y) const { return frame.POINT(float(x), float(y)); }
    // Leftmost column in [x0, x1) of row band [y0, y1) holding the colour, or -1.
    int FirstColumnOf(quint32 color, int x0, int x1, int y0, int y1) const {
        for (int x = x0; x < x1; ++x)
            for (int y = y0; y < y1; ++y)
                if (At(x, y) == color) return x;
        return -1;
    }
    FxFrame frame;
};

QStringList KeysOf(const PropertyBag& bag) {
    QStringList keys;
    for (const auto& e : bag.Entries())
        keys << e.key.toLower();
    return keys;
}

}  // namespace

TEST(FxFrameGeometry, CaptionBlockLeftByAlignment) {
    struct Case {
        int alignment, expected;
    } const cases[] = {{0, 13}, {1, 200 - 5 - 8 - 30 - 1}, {2, (200 - 30) / 2 - 1}, {7, 0}};
    for (const Case& c : cases)
        EXPECT_EQ(FxFrameGeometry::CaptionBlockLeft(c.alignment, 200, 5, 8, 30, false), c.expected)
            << c.alignment;
    EXPECT_EQ(FxFrameGeometry::CaptionBlockLeft(9, 200, 5, 8, 30, true), 1);
    EXPECT_EQ(FxFrameGeometry::CaptionBlockLeft(1, 200, 5, -2147483647, 30, false),
              Gdi::kCoordLimit);
}

TEST(FxFrameGeometry, CaptionLineYMakesRoomForTheIcon) {
    EXPECT_EQ(FxFrameGeometry::CaptionLineY(12, 1, 0, false, 16), 7);
    EXPECT_EQ(FxFrameGeometry::CaptionLineY(12, 1, 1, false, 16), 8);
    EXPECT_EQ(FxFrameGeometry::CaptionLineY(12, 1, 0, true, 32), 18);
}

TEST(FxFrameGeometry, CalcCaptionRectTable) {
    struct Case {
        int style, alignment;
        Gdi::Rect expected;
    } const cases[] = {
        {1, 0, {2, 0, 32, 12}},  {1, 1, {168, 0, 198, 12}},  {1, 2, {85, 44, 115, 56}},
        {2, 0, {2, 44, 32, 56}}, {2, 1, {168, 44, 198, 56}}, {2, 2, {85, 44, 115, 56}},
        {2, 5, {2, 0, 32, 12}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FxFrameGeometry::CalcCaptionRect(c.style, c.alignment, 200, 100, 30, 12, 2),
                  c.expected)
            << c.style << "/" << c.alignment;
}

TEST(FxFrame, NewInstanceShowsItsNameAndSavesOnlyTheFont) {
    Frame f;
    EXPECT_EQ(f.frame.Caption(), "FxFrame26");
    EXPECT_EQ(f.frame.BackColor(), kFace);
    PropertyBag bag;
    f.frame.Save(bag);
    EXPECT_EQ(KeysOf(bag), QStringList({"font"}));
    f.frame.SetCaption(QStringLiteral("编辑区"));
    bag.Clear();
    f.frame.Save(bag);
    EXPECT_EQ(KeysOf(bag), QStringList({"font", "caption"}));
}

TEST(FxFrame, LowerCaseKeysRoundTrip) {
    Frame f(
        u"crad = short 0\nfontcolor = uint 0xFF\ncaptionoffset = int 3\n"
        u"caption = str \"预览效果\"\ndrawwidth = short 300\n"_qs);
    EXPECT_EQ(f.frame.CRad(), 0);
    EXPECT_EQ(f.frame.FontColor(), 0xFFu);
    EXPECT_EQ(f.frame.CaptionOffset(), 3);
    EXPECT_EQ(f.frame.DrawWidth(), 255);
    PropertyBag saved;
    f.frame.Save(saved);
    FxFrame again;
    again.SetName(QStringLiteral("FxFrame26"));
    again.Load(saved);
    EXPECT_EQ(again.Caption(), "预览效果");
    EXPECT_EQ(again.CRad(), 0);
    EXPECT_EQ(again.CaptionOffset(), 3);
}

TEST(FxFrame, AssignmentLimitsAndSteps) {
    Frame f;
    QSignalSpy resized(&f.frame, &FxFrame::Resize);
    QSignalSpy changed(&f.frame, &UserControl::propertyChanged);
    f.frame.SetDrawWidth(0);
    EXPECT_EQ(f.frame.DrawWidth(), 1);
    f.frame.SetDrawWidth(300);
    EXPECT_EQ(f.frame.DrawWidth(), 255);
    f.frame.SetCRad(-4);
    EXPECT_EQ(f.frame.CRad(), 0);
    EXPECT_FALSE(f.frame.SetCRad(40000));
    EXPECT_EQ(f.frame.CRad(), 0);
    EXPECT_EQ(resized.count(), 3);
    f.frame.SetMousePointer(2);
    f.frame.SetAutoRedraw(true);
    EXPECT_EQ(resized.count(), 3);
    EXPECT_EQ(changed.count(), 5);
    EXPECT_EQ(changed.last().at(0).toString(), "AutoRedraw");
}

TEST(FxFrame, GroupFrameWithDefaults) {
    Frame f;
    f.frame.SetCaption(QStringLiteral("Name"));  // 4 x 6 pixels wide
    const int tw = f.frame.CaptionSize().width();
    ASSERT_EQ(tw, 24);
    // The top line (y = 7) is cut from x = 13 to 13 + tw + 4; the text starts at x = 15.
    EXPECT_EQ(f.At(12, 7), kOutline);
    for (int x = 13; x < 13 + tw + 4; ++x)
        EXPECT_NE(f.At(x, 7), kOutline) << x;
    EXPECT_EQ(f.At(13 + tw + 4, 7), kOutline);
    EXPECT_EQ(f.frame.CaptionRect().left, 15);
    const quint32 text = Colors::TranslateColor(Colors::kButtonText);
    EXPECT_EQ(f.FirstColumnOf(text, 0, 200, 0, 20), 15);
    // Rounded corner: the corner pixel itself stays clear.
    EXPECT_EQ(f.At(2, 7), kFace);
    EXPECT_EQ(f.At(2, 50), kOutline);
    EXPECT_EQ(f.At(196, 50), kOutline);
    EXPECT_EQ(f.At(100, 97), kOutline);
}

TEST(FxFrame, SquareCornersCentredCaptionAndEmptyCaption) {
    Frame f(u"crad = short 0\nalignment = int 2\ncaption = str \"M2\"\n"_qs);
    EXPECT_EQ(f.At(2, 7), kOutline);
    const int tw = f.frame.CaptionSize().width();
    const int x = (200 - tw) / 2 - 1;
    EXPECT_EQ(f.At(x - 1, 7), kOutline);
    EXPECT_EQ(f.At(x, 7), kFace);
    EXPECT_EQ(f.frame.CaptionRect().left, x + 2);

    f.frame.SetAlignment(0);
    f.frame.SetCaption(QString());
    // CRad 0 + CaptionOffset 8: a band of 4 pixels from x = 8.
    EXPECT_EQ(f.At(7, 7), kOutline);
    for (int x = 8; x < 12; ++x)
        EXPECT_EQ(f.At(x, 7), kFace);
    EXPECT_EQ(f.At(12, 7), kOutline);
}

TEST(FxFrame, DisabledCaptionIsGrey) {
    Frame f(u"enabled = bool false\ncaption = str \"Name\"\n"_qs);
    const quint32 grey = Colors::TranslateColor(Colors::kGrayText);
    EXPECT_GT(f.FirstColumnOf(grey, 0, 200, 0, 20), 0);
    EXPECT_EQ(f.FirstColumnOf(Colors::TranslateColor(Colors::kButtonText), 0, 200, 0, 20), -1);
}

TEST(FxFrame, AccessKeyPrefix) {
    Frame f(u"caption = str \"&Name\"\n"_qs);
    EXPECT_EQ(f.frame.CaptionSize().width(), 24);
    EXPECT_EQ(f.frame.AccessKeys(), "N");
    f.frame.SetOpreFix(false);
    EXPECT_EQ(f.frame.CaptionSize().width(), 30);
    EXPECT_EQ(f.frame.AccessKeys(), "");
}

TEST(FxFrame, AutoSizeOfLabelAndPanel) {
    Frame label(u"style = int 2\nautosize = bool true\ncaption = str \"Notice路径：\"\n"_qs);
    label.frame.SetAutoSize(true);
    const QSize text = label.frame.CaptionSize();
    EXPECT_EQ(label.frame.size(), text);
    label.frame.SetBorderStyle(1);
    label.frame.SetDrawWidth(2);
    EXPECT_EQ(label.frame.size(), text + QSize(4, 4));

    Frame panel(u"style = int 1\nautosize = bool true\n"_qs);
    QImage picture(30, 20, QImage::Format_RGB32);
    picture.fill(Qt::red);
    panel.frame.SetPicture(picture);
    EXPECT_EQ(panel.frame.size(), QSize(30, 20));
    EXPECT_EQ(panel.At(0, 0), Colors::Rgb(255, 0, 0));

    Frame empty(u"style = int 2\nautosize = bool true\ncaption = str \"\"\n"_qs);
    EXPECT_EQ(empty.frame.size(), QSize(200, 100));
}

TEST(FxFrame, StyleThreeLeavesTheClearedSurface) {
    Frame f(u"style = int 3\n"_qs);
    for (int y = 0; y < 100; y += 7)
        for (int x = 0; x < 200; x += 9)
            ASSERT_EQ(f.At(x, y), kFace);
}

TEST(FxFrame, UseMaskColorMakesTheMaskColourSeeThrough) {
    Frame f(u"usemaskcolor = bool true\nmaskcolor = uint 0xC0C0C0\nbackcolor = uint 0xC0C0C0\n"_qs);
    f.frame.show();
    EXPECT_FALSE(f.frame.mask().contains(QPoint(100, 50)));
    EXPECT_TRUE(f.frame.mask().contains(QPoint(2, 50)));
}

TEST(FxFrame, ClickByMouseAndByAccessKey) {
    Frame f(u"caption = str \"&Go\"\n"_qs);
    f.frame.show();
    QSignalSpy clicks(&f.frame, &FxFrame::Click);
    QTest::mouseClick(&f.frame, Qt::LeftButton, {}, QPoint(50, 50));
    EXPECT_EQ(clicks.count(), 1);
    QShortcutEvent accessKey(QKeySequence(Qt::ALT | Qt::Key_G), 0);
    QCoreApplication::sendEvent(&f.frame, &accessKey);
    EXPECT_EQ(clicks.count(), 2);
}

TEST(FxFrame, AboutShowsItsBox) {
    MessageBoxRecorder recorder;
    FxFrame frame;
    frame.About();
    ASSERT_EQ(recorder.records().size(), 1);
    EXPECT_EQ(recorder.records()[0].caption, "关于 Veltrane 0.0.0");
    EXPECT_EQ(recorder.records()[0].icon, MessageBox::Icon::Information);
    EXPECT_TRUE(recorder.records()[0].text.contains("非常感谢使用本控件！  "));
}
