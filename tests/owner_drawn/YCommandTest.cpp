#include <gtest/gtest.h>
#include <QApplication>
#include <QCursor>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>
#include <memory>

#include "Clock.h"
#include "ColorBlend.h"
#include "PropertyBag.h"
#include "WindowHook.h"
#include "YCommand.h"

using YCommandLayout::ButtonLook;

namespace {

constexpr quint32 kBase = YCommand::kDefaultBase;

// A live button of 80 x 41 on a shown window, on the manual clock.
struct YCommandFixture : ::testing::Test {
    QWidget window;
    YCommand* button = nullptr;
    std::unique_ptr<QSignalSpy> clicks;
    std::unique_ptr<QSignalSpy> doubleClicks;
    QStringList events;

    void SetUp() override {
        Clock::UseManualTime(10000);
        window.resize(200, 100);
        button = new YCommand(&window);
        button->SetName("YCommand1");
        button->setGeometry(20, 20, 80, 41);
        PropertyBag bag;
        bag.WriteProperty("Caption", QStringLiteral("确定"));
        bag.WriteProperty("clrBase", kBase);
        button->Load(bag);
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        QObject::connect(button, &YCommand::Click, [this] { events << "Click"; });
        QObject::connect(button, &YCommand::DBClick, [this] { events << "DBClick"; });
    }
    void TearDown() override { Clock::UseSystemTime(); }

    void Mouse(QEvent::Type type, QPoint p, Qt::MouseButtons held = Qt::NoButton) {
        const Qt::MouseButton which = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent event(type, p, button->mapToGlobal(QPointF(p)), which, held, Qt::NoModifier);
        QApplication::sendEvent(button, &event);
    }
    void Press(QPoint p) { Mouse(QEvent::MouseButtonPress, p, Qt::LeftButton); }
    void Release(QPoint p) { Mouse(QEvent::MouseButtonRelease, p); }
    void Move(QPoint p) { Mouse(QEvent::MouseMove, p); }
    void Leave() {
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(button, &leave);
    }
    // Paints the button as the screen would and gives one pixel of what it showed.
    quint32 Shown(int x, int y) {
        button->repaint();
        return button->surface().GetPixel(x, y);
    }
};

}  // namespace

TEST_F(YCommandFixture, ReleaseInsideClicksOnlyStrictlyWithinTheClientArea) {
    const struct {
        QPoint at;
        bool clicks;
    } cases[] = {{{10, 10}, true},  {{0, 10}, false},  {{10, 0}, false},  {{79, 40}, true},
                 {{80, 10}, false}, {{10, 41}, false}, {{-5, 10}, false}, {{10, -3}, false}};
    for (const auto& c : cases) {
        events.clear();
        Press({10, 10});
        Release(c.at);
        EXPECT_EQ(events.size(), c.clicks ? 1 : 0) << c.at.x() << "," << c.at.y();
        EXPECT_FALSE(button->IsPressed());
    }
}

TEST_F(YCommandFixture, DoubleClickRaisesClickDBClickClick) {
    Press({10, 10});
    Release({10, 10});
    Mouse(QEvent::MouseButtonDblClick, {10, 10}, Qt::LeftButton);
    EXPECT_FALSE(button->IsPressed());  // the second press shows no pressed look
    Release({10, 10});
    EXPECT_EQ(events, (QStringList{"Click", "DBClick", "Click"}));
}

TEST_F(YCommandFixture, DisabledButtonFollowsTheMouseButRaisesNothing) {
    button->SetEnabled(false);
    Clock::Advance(50);
    Move({10, 10});
    Press({10, 10});
    EXPECT_TRUE(button->IsHover());
    EXPECT_TRUE(button->IsPressed());
    EXPECT_EQ(button->CurrentLook(), ButtonLook::Normal);
    EXPECT_EQ(Shown(1, 5), ColorBlend::BlendColor(kBase, 0xFFFFFF, 0.8f));
    Release({10, 10});
    Mouse(QEvent::MouseButtonDblClick, {10, 10}, Qt::LeftButton);
    Release({10, 10});
    EXPECT_TRUE(events.isEmpty());
}

TEST_F(YCommandFixture, LooksFollowHoverAndPress) {
    EXPECT_EQ(Shown(40, 0), kBase);
    EXPECT_EQ(Shown(1, 5), ColorBlend::BlendColor(kBase, 0xFFFFFF, 0.8f));
    Move({10, 10});
    EXPECT_EQ(button->CurrentLook(), ButtonLook::Hover);
    EXPECT_EQ(Shown(40, 0), ColorBlend::BlendColor(kBase, 0, 0.1f));
    EXPECT_EQ(Shown(1, 5), ColorBlend::BlendColor(kBase, 0xFFFFFF, 0.7f));
    Press({10, 10});
    EXPECT_EQ(Shown(1, 5), ColorBlend::BlendColor(kBase, 0xFFFFFF, 0.6f));
    Release({10, 10});
    Leave();
    EXPECT_FALSE(button->IsHover());
    EXPECT_EQ(button->CurrentLook(), ButtonLook::Normal);
}

TEST_F(YCommandFixture, MovesAreLookedAtAtMostEveryThirtyMs) {
    Move({10, 10});
    ASSERT_TRUE(button->IsHover());
    Leave();
    Clock::Advance(29);
    Move({11, 10});
    EXPECT_FALSE(button->IsHover());
    Clock::Advance(1);
    Move({12, 10});
    EXPECT_TRUE(button->IsHover());
}

TEST_F(YCommandFixture, PressThatWandersOffLooksNormalUntilReleasedInside) {
    const QPoint inside = button->mapToGlobal(QPoint(10, 10));
    QCursor::setPos(inside);
    Press({10, 10});
    EXPECT_EQ(button->CurrentLook(), ButtonLook::Pressed);
    Clock::Advance(100);
    EXPECT_FALSE(button->LeftWhilePressed());  // still over the button
    QCursor::setPos(window.mapToGlobal(QPoint(150, 90)));
    Clock::Advance(100);
    EXPECT_TRUE(button->LeftWhilePressed());
    EXPECT_EQ(button->CurrentLook(), ButtonLook::Normal);
    QCursor::setPos(inside);
    Clock::Advance(300);
    EXPECT_EQ(button->CurrentLook(), ButtonLook::Normal);
    Release({10, 10});
    EXPECT_EQ(events, QStringList{"Click"});
    EXPECT_FALSE(button->LeftWhilePressed());
}

TEST_F(YCommandFixture, SavesEveryKeyInOrderAndReadsAbsentBaseAsBlack) {
    PropertyBag saved;
    button->Save(saved);
    QStringList keys;
    for (const auto& entry : saved.Entries())
        keys << entry.key;
    EXPECT_EQ(keys, (QStringList{"Font", "BackColor", "ForeColor", "relItemLeft", "Caption",
                                 "Enabled", "IconSize", "clrBase", "ReserveFx"}));

    YCommand copy;
    copy.Load(saved);
    EXPECT_EQ(copy.Caption(), QStringLiteral("确定"));
    EXPECT_EQ(copy.clrBase(), kBase);
    EXPECT_EQ(copy.IconSize(), 16);

    YCommand bare;
    EXPECT_EQ(bare.clrBase(), kBase);
    bare.Load(PropertyBag());
    EXPECT_EQ(bare.clrBase(), 0u);
    EXPECT_EQ(bare.relItemLeft(), 6);
    EXPECT_TRUE(bare.Enabled());
}

TEST_F(YCommandFixture, SizesBelowOneAreIgnored) {
    button->SetIconSize(0);
    button->SetrelItemLeft(-2);
    EXPECT_EQ(button->IconSize(), 16);
    EXPECT_EQ(button->relItemLeft(), 6);
    button->SetIconSize(24);
    EXPECT_EQ(button->IconSize(), 24);
}

TEST_F(YCommandFixture, HooksGoWhenTheButtonGoes) {
    EXPECT_TRUE(button->Hooks().IsAttached());
    YCommand designed;
    auto ambient = designed.Ambient();
    ambient.UserMode = false;
    designed.SetAmbient(ambient);
    designed.resize(60, 30);
    PropertyBag bag;
    bag.WriteProperty("clrBase", kBase);
    designed.Load(bag);
    EXPECT_FALSE(designed.Hooks().IsAttached());
    // In a designer the button draws straight onto its surface.
    EXPECT_EQ(designed.surface().GetPixel(30, 0), kBase);
}

// Layout with 6-pixel characters and 12-pixel lines.
TEST(YCommandLayoutTest, CaptionLines) {
    YCommandLayout::CaptionInput in;
    in.client = QSize(80, 41);
    in.textHeight = 12;
    in.measure = [](const QString& s) { return int(s.size()) * 6; };

    in.caption = "ab\r\ncd";  // short, but a CR LF always breaks
    auto layout = YCommandLayout::LayoutCaption(in);
    ASSERT_FALSE(layout.singleLine);
    ASSERT_EQ(layout.lines.size(), 2);
    EXPECT_EQ(layout.lines[0].y, 7);
    EXPECT_EQ(layout.lines[1].y, 21);
    EXPECT_EQ(layout.lines[0].x, 3 + 31);  // centred between 3 and 77

    in.caption = "abc";
    layout = YCommandLayout::LayoutCaption(in);
    EXPECT_TRUE(layout.singleLine);
    EXPECT_EQ(layout.format, 0x25u);
    EXPECT_EQ(layout.lines[0].x, 31);  // the disabled text's place
    EXPECT_EQ(layout.lines[0].y, 14);

    in.hasIcon = true;  // left-aligned after the icon
    layout = YCommandLayout::LayoutCaption(in);
    EXPECT_EQ(layout.format, 0x24u);
    EXPECT_EQ(layout.rect.left, 6 + 16 + 4);

    in.hasIcon = false;
    in.caption = QString(13, 'x');  // 78 pixels in 74: wraps
    layout = YCommandLayout::LayoutCaption(in);
    EXPECT_FALSE(layout.singleLine);
    EXPECT_EQ(layout.lines.size(), 2);
    EXPECT_EQ(layout.lines[0].text.size(), 12);  // 72 pixels fit; the 13th starts a line

    EXPECT_EQ(YCommandLayout::FirstLineTop(3, 41, 12), 20 - 14 - 6);
}

TEST_F(YCommandFixture, IconSitsAtTheLeftVerticallyCentred) {
    QImage icon(16, 16, QImage::Format_ARGB32);
    icon.fill(0xFFFF0000);
    button->SetIcon(icon);
    EXPECT_EQ(Shown(6, 13), 0x0000FFu);   // (41 - 16) / 2 = 12.5 rounds to 12
    EXPECT_EQ(Shown(21, 27), 0x0000FFu);  // last icon pixel
    EXPECT_NE(Shown(5, 13), 0x0000FFu);
    EXPECT_NE(Shown(6, 11), 0x0000FFu);
}

TEST_F(YCommandFixture, CaptionCharactersOutsideTheCodePageShowAsQuestionMarks) {
    button->SetCaption(QStringLiteral("a\U0001F600b"));
    button->repaint();
    const QImage withEmoji = button->surface().image();
    button->SetCaption("a?b");
    button->repaint();
    EXPECT_EQ(button->surface().image(), withEmoji);
    button->SetCaption("a!b");
    button->repaint();
    EXPECT_NE(button->surface().image(), withEmoji);
}

TEST_F(YCommandFixture, BadStoredDataAndOddSizesAreSurvived) {
    PropertyBag bag;
    bag.WriteProperty("IconSize", QStringLiteral("huge"));
    bag.WriteProperty("relItemLeft", -40);
    bag.WriteProperty("clrBase", QStringLiteral("blue"));
    bag.WriteProperty("Caption", QString(2000, u'字') + "\r\n\r\n\r\n");
    bag.WriteProperty("Caption", 12);
    bag.WriteProperty("Font", 3.5);
    button->Load(bag);
    EXPECT_EQ(button->IconSize(), 16);
    EXPECT_EQ(button->relItemLeft(), 6);
    EXPECT_EQ(button->clrBase(), 0u);
    QImage icon(8, 8, QImage::Format_ARGB32);
    icon.fill(Qt::green);
    button->SetIcon(icon);
    for (QSize size : {QSize(0, 0), QSize(1, 1), QSize(3, 200), QSize(3000, 5)}) {
        button->resize(size);
        button->repaint();
        Press({1, 1});
        Move({2, 2});
        Release({1, 1});
    }
    SUCCEED();
}
