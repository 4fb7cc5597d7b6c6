#include <gtest/gtest.h>
#include <QApplication>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>

#include "PropertyBag.h"
#include "xButton.h"

namespace {

QImage Icon(QRgb color, int size = 16) {
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(color);
    return image;
}

// A live button of 80 x 30 on a shown window.
struct xButtonFixture : ::testing::Test {
    QWidget window;
    xButton* button = nullptr;
    int clicks = 0;

    void SetUp() override {
        window.resize(200, 100);
        button = new xButton(&window);
        button->SetName("xButton1");
        button->setGeometry(10, 10, 80, 30);
        button->InitNew();
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        QObject::connect(button, &xButton::Click, [this] { ++clicks; });
    }

    void Mouse(QEvent::Type type, QPoint p, Qt::MouseButton which, Qt::MouseButtons held) {
        QMouseEvent event(type, p, button->mapToGlobal(QPointF(p)), which, held, Qt::NoModifier);
        QApplication::sendEvent(button, &event);
    }
    void Move(QPoint p, Qt::MouseButtons held = Qt::NoButton) {
        Mouse(QEvent::MouseMove, p, Qt::NoButton, held);
    }
    void Press(QPoint p, Qt::MouseButton which = Qt::LeftButton) {
        Mouse(QEvent::MouseButtonPress, p, which, which);
    }
    void Release(QPoint p, Qt::MouseButton which = Qt::LeftButton) {
        Mouse(QEvent::MouseButtonRelease, p, which, Qt::NoButton);
    }
    QRgb Shown(int x, int y) const { return button->surface().image().pixel(x, y); }
    QRgb Face(int face, int x, int y) const {
        return button->SkinPicture().pixel(face * button->width() + x, y);
    }
};

}  // namespace

TEST_F(xButtonFixture, NewButtonTakesItsNameAndShowsTheNormalFace) {
    EXPECT_EQ(button->Caption(), "xButton1");
    EXPECT_EQ(button->SkinPicture().size(), QSize(320, 30));
    EXPECT_EQ(Shown(40, 2), Face(0, 40, 2));
}

TEST_F(xButtonFixture, StatesFollowThePointerAndClickOnRelease) {
    Move({10, 10});
    EXPECT_EQ(button->State(), ButtonState::Hover);
    EXPECT_TRUE(button->IsTracking());
    EXPECT_EQ(Shown(40, 2), Face(1, 40, 2));
    Press({10, 10});
    EXPECT_EQ(button->State(), ButtonState::Pressed);
    Release({10, 10});
    EXPECT_EQ(button->State(), ButtonState::Normal);
    EXPECT_EQ(clicks, 1);

    // x = 0 counts as outside; leaving ends tracking and a later release clicks nothing.
    Move({10, 10});
    Press({10, 10});
    Move({0, 10}, Qt::LeftButton);
    EXPECT_FALSE(button->IsTracking());
    EXPECT_EQ(button->State(), ButtonState::Normal);
    Move({10, 10}, Qt::LeftButton);  // back in with the button held: no tracking
    EXPECT_FALSE(button->IsTracking());
    Release({10, 10});
    EXPECT_EQ(clicks, 1);
}

TEST_F(xButtonFixture, RightButtonReleaseClicksWithoutPressedFace) {
    Move({10, 10});
    Press({10, 10}, Qt::RightButton);
    EXPECT_EQ(button->State(), ButtonState::Hover);
    Release({10, 10}, Qt::RightButton);
    EXPECT_EQ(clicks, 1);
}

TEST_F(xButtonFixture, CheckModeTogglesOnPressAndStaysPressed) {
    button->SetcheckValue(true);
    EXPECT_FALSE(button->checkValue());  // outside check mode the write is ignored
    button->SetcheckButton(true);
    Move({10, 10});
    Press({10, 10});
    EXPECT_TRUE(button->checkValue());
    Release({10, 10});
    EXPECT_EQ(button->State(), ButtonState::Pressed);
    Move({10, 10});
    Press({10, 10});
    EXPECT_FALSE(button->checkValue());
    Release({10, 10});
    EXPECT_EQ(button->State(), ButtonState::Normal);
    button->SetcheckValue(true);
    EXPECT_EQ(button->State(), ButtonState::Pressed);
    button->SetEnabled(false);
    EXPECT_EQ(button->State(), ButtonState::Disabled);
}

TEST_F(xButtonFixture, FirstIconFillsEmptyHoverAndPressedHolders) {
    const QImage red = Icon(0xFFFF0000), blue = Icon(0xFF0000FF, 20);
    button->SetIco(1, blue);
    button->SetIco(0, red);
    EXPECT_TRUE(button->useIco());
    EXPECT_EQ(button->ico(1), blue);  // set first, kept
    EXPECT_EQ(button->ico(2), red);
    EXPECT_TRUE(button->ico(3).isNull());
    EXPECT_EQ(button->icoWidth(), 16);
    button->SetCaption("");
    EXPECT_EQ(button->FaceLayout().iconX, (80 - 16) / 2);
    EXPECT_EQ(Shown(32, 7), 0xFFFF0000);
}

TEST_F(xButtonFixture, SavesEighteenEntriesInOrderAndReadsBothBackColors) {
    for (int i = 0; i < 4; ++i)
        button->SetIco(i, Icon(0xFF00FF00));
    button->SetBackColor(0x00123456);
    button->SetbuttonSkin(6);
    PropertyBag bag;
    button->Save(bag);
    QStringList keys;
    for (const auto& entry : bag.Entries())
        keys << entry.key;
    EXPECT_EQ(keys,
              (QStringList{"Caption", "Enabled", "BackColor", "ForeColor", "focusRect", "skin",
                           "Font", "float", "backColor", "useIco", "icoWidth", "icoHeight", "ico0",
                           "ico1", "ico2", "ico3", "m_check", "m_value"}));
    xButton copy(&window);
    copy.resize(40, 20);
    copy.Load(bag);
    EXPECT_EQ(copy.BackColor(), 0x00123456u);
    EXPECT_EQ(copy.buttonSkin(), 6);
    EXPECT_EQ(copy.Caption(), "xButton1");
}

TEST_F(xButtonFixture, LoadedDisabledShowsTheDisabledFace) {
    PropertyBag bag;
    bag.WriteProperty("Enabled", false);
    bag.WriteProperty("skin", 9);  // no such skin: read as 0
    button->Load(bag);
    EXPECT_EQ(button->State(), ButtonState::Disabled);
    EXPECT_EQ(button->buttonSkin(), 0);
    EXPECT_EQ(Shown(40, 2), Face(3, 40, 2));
    button->SetbuttonSkin(-1);
    button->SetbuttonSkin(7);
    EXPECT_EQ(button->buttonSkin(), 0);
}

TEST_F(xButtonFixture, SkinsOnlyFromSevenPixels) {
    button->resize(6, 30);
    EXPECT_EQ(button->FaceSize(), QSize(80, 30));  // left as it was
    button->resize(7, 7);
    EXPECT_EQ(button->FaceSize(), QSize(7, 7));
    // Every piece is copied one to one: the face is the tile with its middle row and column.
    const QImage& skin = xButton::SkinImage(0);
    EXPECT_EQ(Face(0, 3, 3), skin.pixel(3, 3));
    EXPECT_EQ(Face(0, 6, 6), skin.pixel(6, 24));
    EXPECT_EQ(Face(2, 0, 0), skin.pixel(14, 0));
}

TEST_F(xButtonFixture, FloatLeavesTheNormalFaceBlank) {
    button->SetBackColor(0x00224466);
    button->SetFloat(true);
    EXPECT_EQ(Face(0, 0, 0), Colors::RgbToPixel(0x00224466));
    EXPECT_EQ(Face(0, 40, 15), Colors::RgbToPixel(0x00224466));
    EXPECT_NE(Face(1, 40, 15), Colors::RgbToPixel(0x00224466));
}

TEST_F(xButtonFixture, CaptionAndColours) {
    button->SetCaption("  OK  ");
    EXPECT_EQ(button->Caption(), "OK");
    button->SetForeColor(0x00FF00FF);
    EXPECT_EQ(button->ForeColor(), Colors::GetSysColor(Colors::SystemColor::CaptionText));
    button->SetEnabled(false);
    EXPECT_EQ(button->ForeColor(), Colors::GetSysColor(Colors::SystemColor::InactiveCaptionText));
}

TEST(xButtonFaceTest, LayoutTable) {
    using xButtonFace::LayoutFace;
    xButtonFace::LayoutInput in{80, 40, ButtonState::Normal, false, false, 16, 16, 9};
    EXPECT_EQ(LayoutFace(in, {}).captionRect, (Gdi::Rect{3, 3, 77, 37}));
    in.state = ButtonState::Pressed;
    EXPECT_EQ(LayoutFace(in, {}).captionRect, (Gdi::Rect{5, 5, 77, 37}));
    in.useIco = true;  // pressed, with caption
    auto l = LayoutFace(in, {});
    EXPECT_EQ(l.iconX, 32 + 2);
    EXPECT_EQ(l.iconY, 12 - 9 + 2);
    EXPECT_EQ(l.captionRect, (Gdi::Rect{5, 5 + 16 + 2, 78, 38}));
    in.state = ButtonState::Normal;
    l = LayoutFace(in, {});
    EXPECT_EQ(l.iconY, 3);
    in.height = 20;  // (20 - 16) / 2 - 9 is below 1
    EXPECT_EQ(LayoutFace(in, {}).iconY, 2);
    in.captionEmpty = true;
    in.state = ButtonState::Pressed;
    l = LayoutFace(in, {{}, {}, {1, 2, 3, 4}});
    EXPECT_EQ(l.iconX, 33);
    EXPECT_EQ(l.iconY, 3);
    EXPECT_EQ(l.captionRect, (Gdi::Rect{1, 2, 3, 4}));
}

TEST_F(xButtonFixture, FocusShowsTheFocusRectangleAndKeysDoNothing) {
    button->SetFocusRect(true);
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    button->clearFocus();  // the only focusable control may have it already
    button->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(button->hasFocus());
    EXPECT_EQ(button->FaceLayout().captionRect, (Gdi::Rect{3, 3, 77, 27}));
    const auto column = [this] {
        QList<QRgb> pixels;
        for (int y = 3; y < 27; ++y)
            pixels << Shown(3, y);
        return pixels;
    };
    const QList<QRgb> withFocus = column();
    QTest::keyClick(button, Qt::Key_Space);
    QTest::keyClick(button, Qt::Key_Return);
    EXPECT_EQ(clicks, 0);
    button->clearFocus();
    EXPECT_NE(column(), withFocus);
}

TEST_F(xButtonFixture, CaptionCharactersOutsideTheCodePageShowAsQuestionMarks) {
    button->SetCaption(QStringLiteral("a\U0001F600b"));
    const QImage withEmoji = button->surface().image();
    button->SetCaption("a?b");
    EXPECT_EQ(button->surface().image(), withEmoji);
    button->SetCaption("a!b");
    EXPECT_NE(button->surface().image(), withEmoji);
}

TEST_F(xButtonFixture, BadStoredDataAndOddSizesAreSurvived) {
    PropertyBag bag;
    bag.WriteProperty("skin", QStringLiteral("seven"));
    bag.WriteProperty("icoWidth", -30);
    bag.WriteProperty("icoHeight", 100000);
    bag.WriteProperty("useIco", true);
    bag.WriteProperty("ico2", QStringLiteral("not a picture"));
    bag.WriteProperty("backColor", 0xFFFFFFFFu);
    bag.WriteProperty("m_value", true);
    button->Load(bag);
    EXPECT_EQ(button->buttonSkin(), 0);
    for (QSize size : {QSize(0, 0), QSize(7, 7), QSize(6, 300), QSize(5000, 9), QSize(9000, 20)}) {
        button->resize(size);
        Move({3, 3});
        Press({3, 3});
        Release({3, 3});
    }
    button->SetIco(0, QImage());
    button->SetCaption(QString(5000, u'x'));
    SUCCEED();
}
