#include <gtest/gtest.h>

#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include "PropertyBag.h"
#include "TabGeometry.h"
#include "UserControl.h"
#include "safetabs.h"

namespace {

// A strip of the main window's size with one button on each of its three tabs.
class SafetabsTest : public ::testing::Test {
protected:
    void SetUp() override {
        tabs.resize(400, 200);
        for (int i = 0; i < 3; ++i) {
            pages[i] = new QPushButton(&tabs);
            UserControl::SetTopOf(pages[i], 600 + (i == 0 ? 0 : 63000));
            UserControl::SetWhatsThisHelpIDOf(pages[i], i == 0 ? 0 : 1000 + i);
            if (i != 0) UserControl::SetTabStopOf(pages[i], false);
        }
        tabs.show();
    }
    void Move(int x, int y) { QTest::mouseMove(&tabs, QPoint(x, y)); }
    void Press(int x, int y) { QTest::mousePress(&tabs, Qt::LeftButton, {}, QPoint(x, y)); }

    safetabs tabs;
    QPushButton* pages[3] = {};
};

}  // namespace

TEST(TabGeometry, HotZoneRows) {
    const TabGeometry::Sizes sizes;
    struct Case {
        float x, y;
        int tab;
    } const cases[] = {
        {83, 10, -1},   {84, 10, -1},    {85, 10, 1}, {3, 10, 0},   {2, 10, -1},
        {85, 26, -1},   {85, 0, -1},     {85, 23, 1}, {245, 10, 2}, {246, 10, -1},
        {84.6f, 10, 1}, {84.5f, 10, -1},  // x rounds half to even first
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.x << "," << c.y);
        EXPECT_EQ(TabGeometry::TabAt(sizes, c.x, c.y), c.tab);
    }
}

TEST(TabGeometry, RefusesSizesBeyondSixteenBits) {
    TabGeometry::Sizes sizes;
    EXPECT_TRUE(TabGeometry::FitsInt16(sizes));
    sizes.tabCount = 0;
    EXPECT_FALSE(TabGeometry::FitsInt16(sizes));
    sizes.tabCount = 400;  // 82 * 400 > 32767
    EXPECT_FALSE(TabGeometry::FitsInt16(sizes));
    sizes.tabCount = 399;
    EXPECT_TRUE(TabGeometry::FitsInt16(sizes));
}

TEST_F(SafetabsTest, DefaultsOfANewStrip) {
    EXPECT_EQ(tabs.TabCount(), 3);
    EXPECT_EQ(tabs.Captions(), QStringList({"新标签1", "新标签2", "新标签3"}));
    EXPECT_EQ(tabs.StripHeight(), 29);
    EXPECT_EQ(tabs.StripWidth(), 246);
    EXPECT_EQ(tabs.HoverTab(), -1);
    EXPECT_EQ(tabs.BackColor(), Colors::TranslateColor(Colors::kButtonFace));
}

TEST_F(SafetabsTest, PressOnAHoveredTabSwitchesPages) {
    QSignalSpy spy(&tabs, &safetabs::TabSwitch);
    Move(190, 10);
    EXPECT_EQ(tabs.HoverTab(), 2);
    EXPECT_TRUE(tabs.HasCapture());
    Press(190, 10);
    ASSERT_EQ(spy.count(), 1);
    EXPECT_EQ(spy.at(0).at(0).toInt(), 0);
    EXPECT_EQ(tabs.activeTab(), 2);
    EXPECT_EQ(UserControl::TopOf(pages[2]), 600);
    EXPECT_EQ(UserControl::TabStopOf(pages[2]), true);
    EXPECT_EQ(UserControl::WhatsThisHelpIDOf(pages[2]), 0);
    EXPECT_EQ(UserControl::TopOf(pages[0]), 63600);
    EXPECT_EQ(UserControl::WhatsThisHelpIDOf(pages[0]), 998);
    EXPECT_EQ(UserControl::WhatsThisHelpIDOf(pages[1]), 999);

    QTest::mouseRelease(&tabs, Qt::LeftButton, {}, QPoint(190, 10));
    Press(190, 10);  // the active tab: nothing
    EXPECT_EQ(spy.count(), 1);

    Move(190, 100);  // below the tab row: the capture goes
    EXPECT_EQ(tabs.HoverTab(), -1);
    EXPECT_FALSE(tabs.HasCapture());
    Press(190, 100);
    EXPECT_EQ(spy.count(), 1);
}

TEST_F(SafetabsTest, DisabledStripIgnoresTheMouse) {
    QSignalSpy spy(&tabs, &safetabs::TabSwitch);
    tabs.SetEnabled(false);
    Move(100, 10);
    Press(100, 10);
    EXPECT_EQ(tabs.HoverTab(), -1);
    EXPECT_EQ(spy.count(), 0);
}

TEST_F(SafetabsTest, ActiveTabAssignment) {
    QSignalSpy spy(&tabs, &safetabs::TabSwitch);
    tabs.SetActiveTab(2);
    EXPECT_EQ(tabs.Caption(), "新标签3");
    tabs.SetCaption("third");
    EXPECT_EQ(tabs.Captions().at(2), "third");
    tabs.SetActiveTab(3);  // beyond the last tab: tab 0
    EXPECT_EQ(tabs.activeTab(), 0);
    tabs.SetActiveTab(0);
    ASSERT_EQ(spy.count(), 2);
    EXPECT_EQ(spy.at(1).at(0).toInt(), 2);
    EXPECT_EQ(UserControl::TopOf(pages[0]), 600);
}

TEST_F(SafetabsTest, SizeAssignmentsKeepTheirLimits) {
    tabs.SetLabelHeight(3);
    EXPECT_EQ(tabs.LabelHeight(), 15);
    tabs.SetLabelWidth(0);
    EXPECT_EQ(tabs.labelWidth(), 15);
    EXPECT_FALSE(tabs.SetLabelBlank(-1));
    EXPECT_EQ(tabs.LabelBlank(), 2);
    EXPECT_FALSE(tabs.SetTabCount(0));
    EXPECT_FALSE(tabs.SetTabCount(-5));
    EXPECT_EQ(tabs.TabCount(), 3);
    EXPECT_EQ(tabs.Captions().size(), 3);
    EXPECT_FALSE(tabs.SetLabelWidth(40000));
    EXPECT_EQ(tabs.labelWidth(), 15);
}

TEST_F(SafetabsTest, FewerTabsMoveTheActiveOneToTheLast) {
    QSignalSpy spy(&tabs, &safetabs::TabSwitch);
    tabs.SetActiveTab(2);
    ASSERT_TRUE(tabs.SetTabCount(2));
    EXPECT_EQ(tabs.activeTab(), 1);
    ASSERT_EQ(spy.count(), 2);
    EXPECT_EQ(spy.at(1).at(0).toInt(), 0);
    EXPECT_EQ(tabs.Captions(), QStringList({"新标签1", "新标签2"}));
}

TEST_F(SafetabsTest, ResizeKeepsTheMinimumSize) {
    tabs.resize(10, 10);
    EXPECT_EQ(tabs.width(), 80);
    EXPECT_EQ(tabs.height(), 30);
}

TEST(SafetabsPersistence, LowerCaseKeysLoadAndDefaultsAreLeftOut) {
    const PropertyBag stored = PropertyBag::FromText(
        u"tabcount = short 4\nbackcolor = uint 0xD8E9EC\nskinindex = int 1\n"
        u"caption0 = str \"传统对话框\"\ncaption1 = str \"龙版对话框\"\n"
        u"caption2 = str \"大图对话框\"\ncaption3 = str \"任务对话框\"\n");
    safetabs tabs;
    tabs.Load(stored);
    EXPECT_EQ(tabs.TabCount(), 4);
    EXPECT_EQ(tabs.BackColor(), 0xD8E9ECu);
    EXPECT_EQ(tabs.skinIndex(), 1);
    EXPECT_EQ(tabs.Captions().at(3), "任务对话框");

    PropertyBag saved;
    tabs.Save(saved);
    QStringList keys;
    for (const auto& entry : saved.Entries())
        keys << entry.key.toLower();
    EXPECT_EQ(keys, QStringList({"tabcount", "backcolor", "skinindex", "caption0", "caption1",
                                 "caption2", "caption3"}));
    safetabs again;
    again.Load(saved);
    EXPECT_EQ(again.Captions(), tabs.Captions());
    EXPECT_EQ(again.BackColor(), tabs.BackColor());
}

TEST(SafetabsPersistence, BadStoredSizesAreRefused) {
    safetabs tabs;
    tabs.Load(
        PropertyBag::FromText(u"tabcount = int 0\nlabelwidth = int 30000\n"
                              u"labelblank = int -4\n"));
    EXPECT_EQ(tabs.TabCount(), 3);
    EXPECT_EQ(tabs.labelWidth(), 80);
    EXPECT_EQ(tabs.LabelBlank(), 2);
    EXPECT_EQ(tabs.Captions(), QStringList({"新标签", "新标签", "新标签"}));
}
