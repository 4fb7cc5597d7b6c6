#include "YComboFixture.h"

// ---- Items and layout ----------------------------------------------------------------------

TEST_F(YComboFixture, LayoutFollowsTheItemsAfterTheInitDelay) {
    combo->OpenList();  // empty: one row high
    EXPECT_EQ(combo->height(), 46);
    combo->CloseList();
    for (int i = 0; i < 10; ++i)
        combo->AddItem(QString("item%1").arg(i));
    EXPECT_FALSE(combo->ScrollBarVisible());
    Clock::Advance(99);
    EXPECT_FALSE(combo->ScrollBarVisible());
    Clock::Advance(1);
    EXPECT_TRUE(combo->ScrollBarVisible());
    EXPECT_EQ(combo->MaxTop(), 3);
    combo->OpenList();
    EXPECT_EQ(combo->height(), 178);
    EXPECT_EQ(combo->ThumbLength(), 83);  // taken again at the open height
    EXPECT_EQ(combo->ThumbPos(), 40);
}

TEST_F(YComboFixture, RemovingItemsKeepsStatesAndSelectionInRange) {
    combo->Load(Stored(1));
    AddItems(3);
    combo->SetListState(2, true);
    combo->SetListIndex(2);
    combo->RemoveItem(0);
    EXPECT_EQ(combo->list(1), "item2");
    EXPECT_TRUE(combo->Selected(1));   // the state moved down with its item
    EXPECT_FALSE(combo->Selected(2));  // out of range
    EXPECT_EQ(combo->ListIndex(), 1);  // beyond the last item: the last one
    combo->RemoveItem(5);
    combo->RemoveItem(-1);
    EXPECT_EQ(combo->ListCount(), 2);
    combo->RemoveItem(0);
    combo->RemoveItem(0);
    EXPECT_EQ(combo->ListCount(), 0);
    EXPECT_EQ(combo->ListIndex(), -1);
    EXPECT_EQ(combo->list(0), "");
}

TEST_F(YComboFixture, RemovingWhileScrolledMovesTheFirstRowUpButNotPastTheTop) {
    AddItems(12);
    combo->OpenList();
    Wheel(-120);  // first row 3
    ASSERT_EQ(combo->TopIndex(), 3);
    combo->RemoveItem(11);
    EXPECT_EQ(combo->TopIndex(), 2);
    EXPECT_EQ(combo->MaxTop(), 4);
    Wheel(120);
    ASSERT_EQ(combo->TopIndex(), 0);
    combo->RemoveItem(0);
    EXPECT_EQ(combo->TopIndex(), 0);
}

TEST_F(YComboFixture, SettingListIndexFillsTheTextBoxWithoutClick) {
    AddItems(3);
    events.clear();
    combo->SetListIndex(1);
    EXPECT_EQ(combo->Text(), "item1");
    EXPECT_EQ(events, QStringList{"Change"});
    combo->SetListIndex(7);
    EXPECT_EQ(combo->ListIndex(), 1);
    combo->SetText("free text");
    EXPECT_EQ(combo->Text(), "free text");
}

TEST_F(YComboFixture, MallocCountPreallocatesUntilTheNextRecompute) {
    combo->SetMallocCount(2);
    combo->AddItem("a");
    combo->AddItem("b");
    combo->AddItem("c");  // beyond the preallocation: the store grows
    EXPECT_EQ(combo->ListCount(), 3);
    EXPECT_EQ(combo->list(2), "c");
    Clock::Advance(YCombo::kInitDelayMs);
    // Dropping items that are in use leaves empty rows, never rows that cannot be read.
    combo->SetMallocCount(1);
    EXPECT_EQ(combo->ListCount(), 3);
    EXPECT_EQ(combo->list(2), "");
    combo->OpenList();
    combo->repaint();
}

// ---- Stored properties ---------------------------------------------------------------------

TEST_F(YComboFixture, SavesEveryKeyInOrderAndReadsAbsentKeysAsStoredDefaults) {
    PropertyBag saved;
    combo->Save(saved);
    QStringList keys;
    for (const auto& entry : saved.Entries())
        keys << entry.key;
    EXPECT_EQ(
        keys,
        (QStringList{
            "Font",           "BackColor",   "ForeColor",     "IsReal",      "DisMode",
            "clrFillFocus",   "clrFillUp",   "clrFrameFocus", "clrFrameUp",  "clrBkgNormal1",
            "clrBkgNormal2",  "clrFrame",    "IsToolTip",     "IsDrawFocus", "IconSize",
            "BigIconSize",    "relItemLeft", "relItemTop",    "relLeft",     "relTop",
            "IsDrawBigFocus", "IsDrawHover", "Style",         "CheckSize",   "clrCheckBoxFrame",
            "ItemHeight"}));
    YCombo copy;
    copy.Load(saved);
    EXPECT_EQ(copy.clrFillFocus(), kFillFocus);
    EXPECT_EQ(copy.clrBkgNormal2(), kBkg2);
    EXPECT_TRUE(copy.IsDrawHover());

    YCombo fresh;
    EXPECT_EQ(fresh.clrFrame(), YCombo::kBaseColor);
    EXPECT_EQ(fresh.clrFillFocus(), BlendColor(YCombo::kBaseColor, 0xFFFFFF, 0.4f));
    EXPECT_TRUE(fresh.IsDrawFocus());
    fresh.Load(PropertyBag());
    EXPECT_EQ(fresh.clrFrame(), Colors::Rgb(179, 214, 255));
    EXPECT_EQ(fresh.clrFillFocus(), Colors::Rgb(119, 154, 195));
    EXPECT_EQ(fresh.clrCheckBoxFrame(), 0u);
    EXPECT_FALSE(fresh.IsDrawFocus());
    EXPECT_FALSE(fresh.IsDrawHover());
    EXPECT_EQ(fresh.ItemHeight(), 22);
}

TEST_F(YComboFixture, StoredValuesOutsideTheirRangesAreRefused) {
    PropertyBag bag;
    bag.WriteProperty("DisMode", 3);
    bag.WriteProperty("ItemHeight", 0);
    bag.WriteProperty("IconSize", 40);
    bag.WriteProperty("BigIconSize", 32);  // not above IconSize
    bag.WriteProperty("relLeft", 2000000000);
    bag.WriteProperty("CheckSize", QStringLiteral("big"));
    combo->Load(bag);
    EXPECT_EQ(combo->DisMode(), 0);
    EXPECT_EQ(combo->ItemHeight(), 22);
    EXPECT_EQ(combo->IconSize(), 40);
    EXPECT_EQ(combo->BigIconSize(), 32);
    EXPECT_EQ(combo->relLeft(), 2);
    EXPECT_EQ(combo->CheckSize(), 12);
}

TEST_F(YComboFixture, DesignerOnlyPropertiesAndRunTimeOnlyMembers) {
    combo->SetItemHeight(30);
    combo->SetDisMode(1);
    combo->SetrelLeft(5);
    EXPECT_EQ(combo->ItemHeight(), 22);  // live: refused
    EXPECT_EQ(combo->DisMode(), 0);
    EXPECT_EQ(combo->relLeft(), 5);  // any time

    YCombo designed;
    designed.SetName("YCombo7");
    auto ambient = designed.Ambient();
    ambient.UserMode = false;
    designed.SetAmbient(ambient);
    designed.Load(PropertyBag());
    designed.SetSizeTwips(600, 900);
    EXPECT_EQ(designed.size(), QSize(50, 20));  // narrow and tall become 50 x 20
    EXPECT_FALSE(designed.Hooks().IsAttached());
    EXPECT_EQ(designed.Text(), "YCombo7");
    designed.SetItemHeight(30);
    designed.SetDisMode(3);
    designed.SetBigIconSize(16);
    designed.SetCheckSize(20);  // only with Style 1
    EXPECT_EQ(designed.ItemHeight(), 30);
    EXPECT_EQ(designed.DisMode(), 0);
    EXPECT_EQ(designed.BigIconSize(), 32);
    EXPECT_EQ(designed.CheckSize(), 12);
    designed.AddItem("x");
    designed.SetListIndex(0);  // run time only
    EXPECT_EQ(designed.ListIndex(), -1);
    // A designer draws straight onto the surface.
    EXPECT_EQ(designed.surface().GetPixel(0, 0), Colors::Rgb(179, 214, 255));
}

// ---- Drawing -------------------------------------------------------------------------------

TEST_F(YComboFixture, DropButtonArrowMovesWhenHeld) {
    const quint32 b = BlendColor(Colors::Rgb(70, 180, 247), 0xFFFFFF, 0.4f);
    const quint32 arrow = BlendColor(b, 0, 0.3f);
    const quint32 arrowPressed = BlendColor(b, 0, 0.35f);
    EXPECT_EQ(Shown(kWidth - 11, 11), arrow);  // the tip
    EXPECT_EQ(Shown(kWidth - 15, 7), arrow);   // the arms' far ends
    EXPECT_EQ(Shown(kWidth - 7, 7), arrow);
    EXPECT_EQ(Shown(kWidth - 9, 5), BlendColor(b, 0xFFFFFF, 0.3f));  // face
    Press({kWidth - 10, 10});
    EXPECT_TRUE(combo->DropButtonHeld());
    EXPECT_EQ(Shown(kWidth - 10, 12), arrowPressed);
    EXPECT_EQ(Shown(kWidth - 9, 5), BlendColor(b, 0xFFFFFF, 0.2f));
}

TEST_F(YComboFixture, RowsShowFocusOverHoverAndAlternateOtherwise) {
    AddItems(3);
    combo->OpenList();
    ASSERT_EQ(combo->height(), 90);
    EXPECT_EQ(Shown(3, 30), kBkg1);
    EXPECT_EQ(Shown(3, 50), kBkg2);
    EXPECT_EQ(Shown(3, 70), kBkg1);
    EXPECT_EQ(Shown(kWidth - 3, 70), kBkg1);  // rows reach W - 2 without a scroll bar
    combo->SetListIndex(1);
    Move({40, 50});
    EXPECT_EQ(combo->HoverIndex(), 1);
    EXPECT_EQ(Shown(3, 50), kFillFocus);  // selected and hovered: the focus look
    Move({40, 70});
    EXPECT_EQ(Shown(3, 70), kFillUp);
    combo->SetIsDrawFocus(false);
    EXPECT_EQ(Shown(3, 50), kBkg2);
}

TEST_F(YComboFixture, CheckedRowsShowTheCheckMark) {
    combo->Load(Stored(1));
    AddItems(2);
    combo->SetListState(0, true);
    combo->OpenList();
    // The box runs from x = 2 + 3 and y = 22 + 5, 12 pixels square; the mark lies inside.
    auto darkInside = [this](int row) {
        int dark = 0;
        for (int y = 22 + row * 22 + 6; y < 22 + row * 22 + 16; ++y)
            for (int x = 6; x < 16; ++x)
                if (Colors::Red(Shown(x, y)) < 0x80) ++dark;
        return dark;
    };
    EXPECT_GT(darkInside(0), 5);
    EXPECT_EQ(darkInside(1), 0);
    EXPECT_EQ(Shown(5, 27), 0u);  // the box's frame, black as stored by default
}
