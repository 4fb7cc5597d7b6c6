#include <gtest/gtest.h>

#include <QPushButton>
#include <QWidget>

#include "TabCodes.h"
#include "UserControl.h"

using TabCodes::Arrange;
using TabCodes::ChildPlace;

namespace {

struct ArrangeCase {
    const char* name;
    ChildPlace before;
    int d;
    ChildPlace after;
};

const ArrangeCase kArrangeCases[] = {
    {"tab2 shown when switching 0 to 2", {63600, 1002, false}, -2, {600, 0, true}},
    {"tab2 parked again when switching back", {600, 0, true}, 2, {63600, 1002, false}},
    {"active child without tab stop stays off", {600, 100000, false}, -1, {63600, 99999, false}},
    {"no-tab-stop child comes back without its tab stop",
     {63600, 100001, false},
     -1,
     {600, 100000, false}},
    {"no-tab-stop child on the active tab is parked in base 100000",
     {600, 100000, false},
     1,
     {63600, 100001, false}},
    {"child of a tab beyond the last stays parked", {63600, 1003, false}, -1, {63600, 1002, false}},
    {"child without a tab stop counts as one with it on",
     {600, 0, std::nullopt},
     1,
     {63600, 1001, std::nullopt}},
    {"tab stop off on a shown child is parked in base 100000",
     {600, 0, false},
     1,
     {63600, 100001, false}},
};

}  // namespace

TEST(TabCodes, ArrangeFollowsTheCodeTable) {
    for (const ArrangeCase& c : kArrangeCases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Arrange(c.before, c.d), c.after);
    }
}

TEST(TabCodes, ArrangeSaturatesCodesFromBadData) {
    const ChildPlace out = Arrange({0, 2147483647, true}, 5);
    // Saturated at the top, then moved into base 1000 for a parked child with its tab stop on.
    EXPECT_EQ(out.code, 2147483647 - 99000);
    EXPECT_EQ(out.top, 63000);
}

TEST(TabCodes, ArrangeTabPagesMovesRealChildren) {
    QWidget parent;
    auto* shown = new QPushButton(&parent);
    auto* parked = new QPushButton(&parent);
    UserControl::SetTopOf(shown, 300);
    UserControl::SetTopOf(parked, 63000 + 450);
    UserControl::SetWhatsThisHelpIDOf(parked, 1001);
    UserControl::SetTabStopOf(parked, false);

    TabCodes::ArrangeTabPages({shown, parked}, 0, 1);
    EXPECT_EQ(UserControl::TopOf(shown), 63300);
    EXPECT_EQ(UserControl::WhatsThisHelpIDOf(shown), 999);
    EXPECT_EQ(UserControl::TabStopOf(shown), false);
    EXPECT_EQ(UserControl::TopOf(parked), 450);
    EXPECT_EQ(UserControl::WhatsThisHelpIDOf(parked), 0);
    EXPECT_EQ(UserControl::TabStopOf(parked), true);

    TabCodes::ArrangeTabPages({shown, parked}, 1, 1);  // no change of tab: nothing moves
    EXPECT_EQ(UserControl::TopOf(parked), 450);
}
