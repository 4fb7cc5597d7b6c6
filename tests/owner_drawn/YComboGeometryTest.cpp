#include <gtest/gtest.h>

#include "ComboItemStore.h"
#include "YComboGeometry.h"

using namespace YComboGeometry;

namespace {

ComboItemStore::Item Item(const QString& text) {
    ComboItemStore::Item item;
    item.text = text;
    return item;
}

}  // namespace

TEST(YComboGeometryTest, ThumbLengthFollowsTheShareOfRowsShown) {
    EXPECT_EQ(ThumbLengthFor(178, 7, 10), 83);   // round(118 x 7 / 10)
    EXPECT_EQ(ThumbLengthFor(178, 7, 100), 10);  // round(8.26) is below 11
    EXPECT_EQ(ThumbLengthFor(178, 7, 75), 11);
    EXPECT_EQ(ThumbLengthFor(20, 7, 10), 10);  // a closed box: negative, so the minimum
}

TEST(YComboGeometryTest, ThumbPositionAndFirstRowMapOntoEachOther) {
    const ScrollMetrics m{178, 83, 3};  // 10 items
    EXPECT_EQ(ThumbPosFor(0, m), 40);
    EXPECT_EQ(ThumbPosFor(3, m), 178 - 83 - 20);
    EXPECT_EQ(ThumbPosFor(1, m), 52);  // round(35 / 3 + 40) = round(51.67)
    EXPECT_EQ(TopFor(40, m), 0);
    EXPECT_EQ(TopFor(75, m), 3);
    EXPECT_EQ(TopFor(52, m), 1);  // round(12 x 3 / 35) = round(1.03)
    EXPECT_EQ(TopFor(64, m), 2);
    // A track too short for the thumb has no middle: both ends, and no division by zero.
    const ScrollMetrics flat{70, 10, 5};
    EXPECT_EQ(TopFor(41, flat), 5);
    EXPECT_EQ(ThumbPosFor(2, flat), 40);
    EXPECT_EQ(ThumbPosFor(2, ScrollMetrics{178, 83, 0}), 40);
}

TEST(YComboGeometryTest, ScrollBarParts) {
    const ScrollMetrics m{178, 83, 3};
    const int thumb = 52;
    const struct {
        int x, y;
        ScrollPart press, hover;
    } cases[] = {
        {140, 22, ScrollPart::Up, ScrollPart::Up},
        {140, 40, ScrollPart::Up, ScrollPart::Up},
        {140, 41, ScrollPart::Track, ScrollPart::Track},  // thumb runs from 53 to 134
        {140, 52, ScrollPart::Track, ScrollPart::Track},
        {140, 53, ScrollPart::Thumb, ScrollPart::Thumb},
        {140, 134, ScrollPart::Thumb, ScrollPart::Thumb},
        {140, 135, ScrollPart::Track, ScrollPart::Track},
        {140, 158, ScrollPart::Down, ScrollPart::Down},
        {158, 176, ScrollPart::Down, ScrollPart::Down},
        {140, 21, ScrollPart::Track, ScrollPart::None},  // above the column
        {139, 60, ScrollPart::Thumb, ScrollPart::None},  // left of it
        {159, 60, ScrollPart::Thumb, ScrollPart::None},  // right of it
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PressPartAt(c.y, thumb, m), c.press) << c.x << "," << c.y;
        EXPECT_EQ(HoverPartAt(c.x, c.y, 160, thumb, m), c.hover) << c.x << "," << c.y;
    }
}

TEST(YComboGeometryTest, HitTestFindsRowsAndTheDropButton) {
    ListState open{QSize(160, 178), true, 10, 2, 22};
    const struct {
        int x, y;
        int index;
        bool onButton;
    } cases[] = {
        {10, 22, 2, false},   {10, 43, 2, false},  {10, 44, 3, false},   {10, 175, 8, false},
        {10, 21, -1, false},  {2, 30, -1, false},  {139, 30, -1, false},  // the scroll bar's side
        {138, 30, 2, false},  {150, 10, -1, true}, {142, 2, -1, true},   {141, 10, -1, false},
        {10, 176, -1, false},
    };
    for (const auto& c : cases) {
        const auto hit = HitTestItem(c.x, c.y, open);
        EXPECT_EQ(hit.index, c.index) << c.x << "," << c.y;
        EXPECT_EQ(hit.overDropButton, c.onButton) << c.x << "," << c.y;
    }
    // Closed, or with rows removed under an open list: no item.
    EXPECT_EQ(HitTestItem(10, 10, ListState{QSize(160, 20), false, 3, 0, 22}).index, -1);
    EXPECT_EQ(HitTestItem(10, 80, ListState{QSize(160, 90), false, 2, 0, 22}).index, -1);
}

TEST(YComboGeometryTest, OpenHeightAndRows) {
    EXPECT_EQ(OpenHeight(22, 3), 90);
    EXPECT_EQ(OpenHeight(22, 0), 46);
    EXPECT_EQ(OpenHeight(22, 50), 178);
    const Gdi::Rect rows[] = {RowRect(0, 160, 22, false, 2), RowRect(2, 160, 22, true, 2)};
    EXPECT_EQ(rows[0], (Gdi::Rect{2, 22, 158, 44}));
    EXPECT_EQ(rows[1], (Gdi::Rect{2, 66, 138, 88}));
}

TEST(YComboGeometryTest, ChevronOfTheDropButton) {
    const int w = 150;
    const auto down = ChevronIn({w - 18, 2, w - 2, 18}, 2, 5, 0, 0);
    EXPECT_EQ(down.tip, QPoint(w - 11, 11));
    EXPECT_EQ(down.left, QPoint(w - 15, 7));
    EXPECT_EQ(down.right, QPoint(w - 7, 7));
    const auto pressed = ChevronIn({w - 18, 2, w - 2, 18}, 2, 5, 1, 1);
    EXPECT_EQ(pressed.tip, QPoint(w - 10, 12));
    const auto up = ChevronIn({0, 22, 18, 40}, 1, 5, 0, 0);
    EXPECT_EQ(up.tip, QPoint(8, 28));
    EXPECT_EQ(up.left, QPoint(4, 32));
}

TEST(YComboGeometryTest, PromptWrapsLongTextsAtTwoWidths) {
    const auto eight = [](const QString& s) { return int(s.size()) * 8; };
    const auto thirty = LayoutPrompt(QString(30, 'a'), 12, eight);  // 240 pixels
    EXPECT_EQ(thirty.size.width(), 208);
    EXPECT_EQ(thirty.lines.size(), 2);  // 25 characters fill 200 exactly
    EXPECT_EQ(thirty.size.height(), 2 * 12 + 2 + 8);
    const auto fortyFive = LayoutPrompt(QString(45, 'a'), 12, eight);
    EXPECT_EQ(fortyFive.size.width(), 258);
    const auto shortText = LayoutPrompt("abc", 12, eight);
    EXPECT_EQ(shortText.size, QSize(24 + 8, 12 + 8));
    const auto twoLines = LayoutPrompt("abcd\r\nab", 12, eight);
    EXPECT_EQ(twoLines.size, QSize(32 + 8, 2 * 12 + 2 + 8));
    EXPECT_EQ(KeepOnScreen({1000, 700}, {100, 50}, {1024, 768}, 40), QPoint(924, 678));
    EXPECT_EQ(KeepOnScreen({10, 10}, {100, 50}, {1024, 768}, 40), QPoint(10, 10));
}

TEST(ComboItemStoreTest, PreallocationFillsSlotsThenGrows) {
    ComboItemStore store;
    store.Preallocate(2);
    store.Add(Item("a"));
    store.Add(Item("b"));
    EXPECT_EQ(store.SlotCount(), 2);
    // One more than preallocated grows the store instead of failing.
    store.Add(Item("c"));
    EXPECT_EQ(store.Count(), 3);
    EXPECT_EQ(store.SlotCount(), 3);
    EXPECT_EQ(store.At(2)->text, "c");
    store.EndPreallocation();

    // Items dropped by a preallocation smaller than the count read as empty, never beyond.
    store.Preallocate(1);
    EXPECT_EQ(store.Count(), 3);
    ASSERT_NE(store.At(2), nullptr);
    EXPECT_TRUE(store.At(2)->text.isEmpty());
    store.Add(Item("d"));
    EXPECT_EQ(store.At(3)->text, "d");
    EXPECT_EQ(store.At(4), nullptr);
    EXPECT_TRUE(store.Remove(0));
    EXPECT_EQ(store.Count(), 3);
    EXPECT_FALSE(store.Remove(3));
    EXPECT_FALSE(store.Remove(-1));
}
