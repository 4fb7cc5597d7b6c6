#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QSignalSpy>

#include "FontSetup.h"
#include "PropertyBag.h"
#include "jcFrames.h"
#include "xButton.h"

namespace {

const quint32 kHostBack = Colors::GetSysColor(Colors::SystemColor::ButtonFace);
const QString kCaption = QStringLiteral("传送参数");  // 48 x 12 pixels in the window font

struct WithFonts {
    WithFonts() {
        static const bool installed = (FontSetup::Install(), true);
        Q_UNUSED(installed);
    }
};

// A frame of 200 x 100 pixels named "jcFrames1", new or loaded from stored text.
struct Frame : WithFonts {
    explicit Frame(const QString& stored = {}) {
        frame.SetName(QStringLiteral("jcFrames1"));
        frame.SetSizeTwips(3000, 1500);
        if (stored.isNull())
            frame.InitNew();
        else
            frame.Load(PropertyBag::FromText(stored));
    }
    quint32 At(int x, int y) const { return frame.surface().GetPixel(x, y); }
    // Whether any pixel of the rectangle has the colour.
    bool Shows(quint32 color, const QRect& area) const {
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                if (At(x, y) == color) return true;
        return false;
    }
    jcFrames frame;
};

QStringList KeysOf(const PropertyBag& bag) {
    QStringList keys;
    for (const auto& e : bag.Entries())
        keys << e.key.toLower();
    return keys;
}

QImage Icon(QRgb color, int size = 16) {
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(color);
    return image;
}

}  // namespace

TEST(jcFrames, NewInstanceDefaults) {
    Frame f;
    jcFrames& j = f.frame;
    EXPECT_EQ(j.Caption(), "jcFrames1");
    EXPECT_EQ(j.Style(), 1);
    EXPECT_EQ(j.HeaderStyle(), 1);
    EXPECT_EQ(j.BackColor(), kHostBack);
    EXPECT_EQ(j.FillColor(), kHostBack);
    EXPECT_EQ(j.TextBoxColor(), 0xFFFFFFu);
    EXPECT_TRUE(j.RoundedCorner());
    EXPECT_EQ(j.TextBoxHeight(), 22);
    EXPECT_EQ(j.IconSize(), 16);
    EXPECT_EQ(j.ColorFrom(), 0x9E9EFFu);
    EXPECT_EQ(j.TextFormat(), 0x25u);
    EXPECT_EQ(j.Theme().mid, Colors::Rgb(129, 169, 226));
    // The disabled set exists for a new instance too.
    EXPECT_EQ(j.DisabledColors().fill, kHostBack);
    EXPECT_EQ(j.DisabledColors().captionBox, Colors::GetSysColor(Colors::SystemColor::Light3D));
}

TEST(jcFrames, DefaultsStoreNothingAndLoadFromNothing) {
    Frame f(QStringLiteral(""));
    jcFrames& j = f.frame;
    EXPECT_EQ(j.Style(), 1);
    EXPECT_EQ(j.Caption(), "jcFrames1");
    EXPECT_EQ(j.BackColor(), Colors::kButtonFace);  // loaded as stored: the host's value
    EXPECT_EQ(j.HeaderStyle(), 0);
    EXPECT_EQ(j.Alignment(), 2);
    EXPECT_EQ(j.ColorTo(), 0xF0F0FFu);
    EXPECT_TRUE(j.Enabled());
    EXPECT_EQ(j.Font().family(), UserControl::DefaultAmbient().Font.family());
    PropertyBag bag;
    j.Save(bag);
    EXPECT_TRUE(bag.IsEmpty()) << bag.ToText().toStdString();
}

TEST(jcFrames, SavesTheTwentyTwoEntriesInOrderAndReadsThemBack) {
    Frame f;
    jcFrames& j = f.frame;
    j.SetStyle(3);
    j.SetThemeColor(5);
    j.SetFrameColor(0x010203);
    j.SetBackColor(0x111111);
    j.SetFillColor(0x222222);
    j.SetTextBoxColor(0x333333);
    j.SetTxtBoxShadow(1);
    j.SetRoundedCorner(false);
    j.SetEnabled(false);
    j.SetRoundedCornerTxtBox(true);
    j.SetCaption(QStringLiteral(" 任务日志 "));
    j.SetTextBoxHeight(30);
    j.SetTextColor(0x444444);
    j.SetAlignment(1);
    j.SetIconAlignment(1);
    QFont font(QStringLiteral("新宋体"));
    font.setPixelSize(16);
    font.setBold(true);
    j.SetFont(font);
    j.SetPicture(Icon(qRgb(255, 0, 0)));
    j.SetIconSize(20);
    j.SetColorFrom(0x555555);
    j.SetColorTo(0x666666);
    j.SetHeaderStyle(1);
    j.SetGradientHeaderStyle(3);
    PropertyBag bag;
    j.Save(bag);
    EXPECT_EQ(KeysOf(bag), QStringList({"framecolor",
                                        "backcolor",
                                        "fillcolor",
                                        "textboxcolor",
                                        "txtboxshadow",
                                        "style",
                                        "roundedcorner",
                                        "enabled",
                                        "roundedcornertxtbox",
                                        "caption",
                                        "textboxheight",
                                        "textcolor",
                                        "alignment",
                                        "iconalignment",
                                        "font",
                                        "picture",
                                        "iconsize",
                                        "themecolor",
                                        "colorfrom",
                                        "colorto",
                                        "headerstyle",
                                        "gradientheaderstyle"}));

    Frame g(bag.ToText());
    const jcFrames& k = g.frame;
    EXPECT_EQ(k.FrameColor(), 0x010203u);
    EXPECT_EQ(k.BackColor(), 0x111111u);
    EXPECT_EQ(k.Caption(), " 任务日志 ");  // kept as written
    EXPECT_EQ(k.Alignment(), 1);
    EXPECT_EQ(k.IconSize(), 20);
    EXPECT_EQ(k.GradientHeaderStyle(), 3);
    EXPECT_FALSE(k.Enabled());
    EXPECT_TRUE(k.Font().bold());
    EXPECT_EQ(k.Font().pixelSize(), 16);
    EXPECT_EQ(k.Theme(), (FrameTheme::Colors3{0x666666, 0x555555, 0x010203}));
    EXPECT_EQ(k.TextFormat(), 0x26u);
    EXPECT_EQ(k.surface().image(), j.surface().image());
}

TEST(jcFrames, StoredValuesAreTakenAsStored) {
    Frame f(
        QStringLiteral("framecolor = uint 0x80000011\nbackcolor = uint 0x8000000F\n"
                       "style = int 7\ncaption = str \"\"\n"));
    EXPECT_EQ(f.frame.FrameColor(), 0x80000011u);
    // Style 7 without a caption: the etched line at the top, the rest background.
    EXPECT_EQ(f.At(100, 0), Colors::GetSysColor(Colors::SystemColor::DarkShadow3D));
    EXPECT_EQ(f.At(100, 1), 0xFFFFFFu);
    EXPECT_EQ(f.At(100, 50), kHostBack);
    // A stored preset style does not bring its preset.
    EXPECT_EQ(f.frame.TextColor(), 0u);

    // A stored system colour is drawn as its RGB value, also where colours are mixed (the
    // caption box's shadow in style 2).
    Frame g(QStringLiteral("fillcolor = uint 0x8000000F\nstyle = int 2\ntxtboxshadow = int 1\n"));
    EXPECT_EQ(g.frame.FillColor(), Colors::kButtonFace);
    EXPECT_EQ(g.At(100, 50), kHostBack);
    EXPECT_EQ(g.At(100, 23), FrameCanvas::AverageColor(kHostBack, 0xA7A7A7));
}

TEST(jcFrames, ColourWritesTranslateAndNotify) {
    Frame f;
    QSignalSpy changed(&f.frame, &UserControl::propertyChanged);
    f.frame.SetTextColor(Colors::kGrayText);
    EXPECT_EQ(f.frame.TextColor(), Colors::GetSysColor(Colors::SystemColor::GrayText));
    f.frame.SetFillColor(0x7F000000);
    EXPECT_EQ(f.frame.FillColor(), 0xFFFFFFFFu);  // not a colour: -1, kept as such
    f.frame.SetCaption(QStringLiteral("x"));
    ASSERT_EQ(changed.count(), 2);  // no notice for the caption
    EXPECT_EQ(changed.at(1).at(0).toString(), "FillColor");
}

TEST(jcFrames, ThemeWritesAndTheCustomTheme) {
    Frame f;
    jcFrames& j = f.frame;
    j.SetThemeColor(2);
    EXPECT_EQ(j.Theme().dark, Colors::Rgb(63, 93, 56));
    // The same theme again does nothing at all: no notice, no repaint.
    QSignalSpy changed(&j, &UserControl::propertyChanged);
    j.surface().SetPixel(100, 50, 0x123456);
    j.SetThemeColor(2);
    EXPECT_EQ(changed.count(), 0);
    EXPECT_EQ(f.At(100, 50), 0x123456u);
    j.SetThemeColor(99);
    EXPECT_EQ(j.Theme().mid, Colors::Rgb(153, 151, 180));
    // Custom theme: the frame colour and both gradient ends follow into it.
    j.SetThemeColor(5);
    j.SetFrameColor(0x0A0B0C);
    j.SetColorFrom(0x202020);
    j.SetColorTo(0x303030);
    EXPECT_EQ(j.Theme(), (FrameTheme::Colors3{0x303030, 0x202020, 0x0A0B0C}));
    j.SetThemeColor(0);
    j.SetFrameColor(0x111111);
    EXPECT_EQ(j.Theme().dark, Colors::Rgb(0, 0, 128));
}

TEST(jcFrames, StylePresets) {
    struct Case {
        int style;
        quint32 textColor, frameColor, textBoxColor, fillColor;
        int alignment;
        unsigned format;
    } const cases[] = {
        {0, 0xCF3603, 0xC3C3C3, 0xFFFFFF, kHostBack, 0, 0x24},
        {2, 0, 0x6A6A6A, 0xB0EFF0, kHostBack, 2, 0x25},
        {3, 0, 0, 0xB0EFF0, 0xE0FFFF, 2, 0x25},
        {5, 0xFFFFFF, 0x0000C0, 0x0000C0, kHostBack, 0, 0x24},
        {6, 0xFFFFFF, 0xA60000, 0xA60000, kHostBack, 0, 0x24},
        {7, 0xCF3603, 0xC3C3C3, 0xFFFFFF, kHostBack, 0, 0x24},
        {8, 0, 0, 0xFFFFFF, 0x424242, 2, 0x15},
    };
    for (const Case& c : cases) {
        Frame f;
        f.frame.SetFillColor(0x424242);
        f.frame.SetThemeColor(3);
        f.frame.SetTextBoxHeight(40);
        f.frame.SetStyle(c.style);
        EXPECT_EQ(f.frame.TextColor(), c.textColor) << c.style;
        EXPECT_EQ(f.frame.FrameColor(), c.frameColor) << c.style;
        EXPECT_EQ(f.frame.TextBoxColor(), c.textBoxColor) << c.style;
        EXPECT_EQ(f.frame.FillColor(), c.fillColor) << c.style;
        EXPECT_EQ(f.frame.Alignment(), c.alignment) << c.style;
        EXPECT_EQ(f.frame.TextBoxHeight(), 22) << c.style;
        EXPECT_EQ(f.frame.TextFormat(), c.format) << c.style;
    }
    Frame three;
    three.frame.SetRoundedCorner(false);
    three.frame.SetStyle(3);
    EXPECT_TRUE(three.frame.RoundedCorner());
    EXPECT_EQ(three.frame.GradientHeaderStyle(), 1);
    EXPECT_EQ(three.frame.HeaderStyle(), 0);
    Frame eight;
    eight.frame.SetThemeColor(4);
    eight.frame.SetStyle(8);
    EXPECT_EQ(eight.frame.ThemeColor(), 0);
    EXPECT_EQ(eight.frame.Theme().mid, Colors::Rgb(129, 169, 226));
    EXPECT_EQ(eight.frame.GradientHeaderStyle(), 2);
    EXPECT_EQ(eight.frame.HeaderStyle(), 1);
    // A style without a painter keeps every value and paints nothing but the background.
    Frame none;
    none.frame.SetStyle(12);
    EXPECT_EQ(none.frame.TextBoxColor(), 0xFFFFFFu);
    EXPECT_FALSE(none.Shows(0, QRect(0, 0, 200, 100)));
}

TEST(jcFrames, LongCaptionsAreCutInBandsAndWrappedInPanels) {
    Frame f;
    const QString longCaption = QString(40, QChar(u'中'));
    f.frame.SetStyle(3);
    f.frame.SetCaption(longCaption);
    // Band width 188: "..." is 18 pixels, so 14 characters of 12 fit before it.
    EXPECT_EQ(f.frame.ShownCaption(), QString(14, QChar(u'中')) + "...");
    EXPECT_EQ(f.frame.FitCaption(QStringLiteral("abc"), 18), "abc");
    EXPECT_EQ(f.frame.FitCaption(QStringLiteral("abcd"), 18), "...");
    EXPECT_EQ(f.frame.FitCaption(QStringLiteral("abcd"), 17), "");
    f.frame.SetStyle(8);
    EXPECT_EQ(f.frame.ShownCaption(), longCaption);
    // Wrapped into more than one line, centred as a block.
    EXPECT_TRUE(f.Shows(0, QRect(6, 30, 188, 10)));
    EXPECT_TRUE(f.Shows(0, QRect(6, 56, 188, 10)));
    ASSERT_TRUE(f.frame.WindowRegion());
    EXPECT_FALSE(f.frame.WindowRegion()->contains(0, 0));
    f.frame.SetStyle(3);
    EXPECT_FALSE(f.frame.WindowRegion());
}

TEST(jcFrames, IconMakesRoomBesideTheCaptionInStylesThatDrawIt) {
    struct Case {
        int style, alignment, iconAlignment;
        int left, right, iconX;
    } const cases[] = {
        {3, 0, 0, 28, 194, 6},   {3, 2, 0, 28, 172, 6}, {3, 0, 1, 6, 172, 178},
        {3, 2, 1, 28, 172, 178}, {3, 2, 7, 6, 194, 0},  {2, 2, 0, 46, 153, 27},
        {2, 2, 1, 46, 153, 157}, {5, 0, 0, 8, 100, 0},  {6, 0, 0, 8, 100, 0},
    };
    for (const Case& c : cases) {
        Frame f;
        f.frame.SetStyle(c.style);
        f.frame.SetAlignment(c.alignment);
        f.frame.SetIconAlignment(c.iconAlignment);
        f.frame.SetPicture(Icon(qRgb(255, 0, 0)));
        EXPECT_EQ(f.frame.CaptionRect().left, c.left) << c.style << c.alignment << c.iconAlignment;
        EXPECT_EQ(f.frame.CaptionRect().right, c.right)
            << c.style << c.alignment << c.iconAlignment;
        EXPECT_EQ(f.frame.IconPosition().x(), c.iconX) << c.style << c.alignment << c.iconAlignment;
        const bool drawn = c.style != 5 && c.style != 6;
        EXPECT_EQ(f.Shows(0x0000FF, QRect(0, 0, 200, 100)), drawn) << c.style;
    }
    // Style 3: the icon sits at (6, rnd((22 - 16) / 2)).
    Frame three;
    three.frame.SetStyle(3);
    three.frame.SetAlignment(0);
    three.frame.SetPicture(Icon(qRgb(255, 0, 0)));
    EXPECT_EQ(three.frame.IconPosition(), QPoint(6, 3));
    EXPECT_EQ(three.At(6, 3), 0x0000FFu);
    EXPECT_EQ(three.At(21, 18), 0x0000FFu);
    EXPECT_NE(three.At(22, 19), 0x0000FFu);
    // Styles 1 and 4 keep the icon at least 5 and 8 from the top.
    Frame four;
    four.frame.SetStyle(4);
    four.frame.SetIconSize(60);
    four.frame.SetPicture(Icon(qRgb(255, 0, 0)));
    EXPECT_EQ(four.frame.IconPosition().y(), 8);
    // Absurd sizes draw only what fits on the control.
    four.frame.SetIconSize(32767);
    four.frame.SetIconSize(-5);
}

TEST(jcFrames, DisablingGreysTheFrameAndItsChildren) {
    WithFonts fonts;
    QWidget window;
    auto* frame = new jcFrames(&window);
    frame->SetName(QStringLiteral("jcFrames4"));
    frame->SetSizeTwips(3000, 1500);
    auto* button = new xButton(frame);
    button->SetName(QStringLiteral("xButton1"));
    button->InitNew();
    auto* label = new QLabel(QStringLiteral("提示"), frame);
    frame->InitNew();
    frame->SetStyle(3);
    frame->SetCaption(kCaption);
    QImage icon = Icon(qRgb(100, 200, 0));
    icon.setPixel(0, 0, qRgb(0, 0, 0));
    frame->SetAlignment(0);
    frame->SetPicture(icon);
    frame->SetEnabled(false);
    const Surface& s = frame->surface();
    EXPECT_FALSE(button->Enabled());
    EXPECT_FALSE(label->isEnabled());
    // Disabled set: inactive-border outline, 3-D light caption box, grey caption text.
    EXPECT_EQ(s.GetPixel(100, 0), Colors::GetSysColor(Colors::SystemColor::InactiveBorder));
    EXPECT_EQ(s.GetPixel(150, 5), Colors::GetSysColor(Colors::SystemColor::Light3D));
    bool grey = false;
    for (int x = 28; x < 80 && !grey; ++x)
        for (int y = 0; y < 22 && !grey; ++y)
            grey = s.GetPixel(x, y) == Colors::GetSysColor(Colors::SystemColor::GrayText);
    EXPECT_TRUE(grey);
    // The icon in grey, its black pixel left see-through.
    EXPECT_EQ(s.GetPixel(7, 4), Colors::Rgb(148, 148, 148));
    EXPECT_EQ(s.GetPixel(6, 3), Colors::GetSysColor(Colors::SystemColor::Light3D));
    frame->SetEnabled(true);
    EXPECT_TRUE(button->Enabled());
    EXPECT_TRUE(label->isEnabled());
    EXPECT_EQ(s.GetPixel(100, 0), 0u);
}

TEST(jcFrames, NeverSmallerThanItsMinimum) {
    Frame f;
    f.frame.SetSizeTwips(300, 200);
    EXPECT_GE(f.frame.WidthTwips(), 700);
    EXPECT_GE(f.frame.HeightTwips(), 400);
    EXPECT_EQ(f.frame.size(), QSize(47, 27));
    EXPECT_EQ(f.frame.surface().size(), QSize(47, 27));
    f.frame.SetSizeTwips(900, 300);
    EXPECT_EQ(f.frame.size(), QSize(60, 27));
}

TEST(jcFrames, FontCopiesOnlyFaceSizeWeightAndSlant) {
    Frame f;
    QFont font(QStringLiteral("宋体"));
    font.setPixelSize(14);
    font.setItalic(true);
    font.setUnderline(true);
    f.frame.SetFont(font);
    EXPECT_EQ(f.frame.Font().family(), "宋体");
    EXPECT_EQ(f.frame.Font().pixelSize(), 14);
    EXPECT_TRUE(f.frame.Font().italic());
    EXPECT_FALSE(f.frame.Font().underline());
}

TEST(jcFrames, RaisesMouseMove) {
    Frame f;
    QSignalSpy moves(&f.frame, &jcFrames::MouseMove);
    QMouseEvent event(QEvent::MouseMove, QPointF(12, 7), QPointF(12, 7), Qt::NoButton,
                      Qt::LeftButton, Qt::ShiftModifier);
    QApplication::sendEvent(&f.frame, &event);
    ASSERT_EQ(moves.count(), 1);
    EXPECT_EQ(moves.at(0).at(0).toInt(), 1);
    EXPECT_EQ(moves.at(0).at(1).toInt(), 1);
    EXPECT_EQ(moves.at(0).at(2).toFloat(), 12.0f);
}
