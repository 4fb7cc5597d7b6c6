#include "YComboFixture.h"

// ---- Opening, choosing, closing ------------------------------------------------------------

TEST_F(YComboFixture, ReleaseOnTheBoxOpensAFloatingList) {
    AddItems(3);
    const QPoint before = combo->mapToGlobal(QPoint(0, 0));
    Click({40, 10});
    EXPECT_TRUE(combo->IsOpen());
    EXPECT_TRUE(combo->isWindow());
    EXPECT_EQ(combo->height(), 90);
    EXPECT_EQ(combo->mapToGlobal(QPoint(0, 0)), before);
    EXPECT_EQ(events, QStringList{"MouseUp"});
    combo->CloseList();
    EXPECT_FALSE(combo->isWindow());
    EXPECT_EQ(combo->parentWidget(), window.get());
    EXPECT_EQ(combo->geometry(), QRect(20, 30, kWidth, 20));
}

TEST_F(YComboFixture, ReleaseOnTheTextBoxOpensTheListToo) {
    QLineEdit* text = combo->TextBox();
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(5, 5), text->mapToGlobal(QPointF(5, 5)),
                        Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(text, &release);
    EXPECT_TRUE(combo->IsOpen());
}

TEST_F(YComboFixture, ClickOutsideClosesWithoutChoosing) {
    AddItems(3);
    combo->SetListIndex(2);
    Click({40, 10});
    events.clear();
    Click({40, 300});
    EXPECT_FALSE(combo->IsOpen());
    EXPECT_EQ(combo->ListIndex(), 2);
    EXPECT_EQ(events, QStringList{"MouseUp"});
}

TEST_F(YComboFixture, PressSelectsReleaseChooses) {
    AddItems(3);
    Click({40, 10});
    events.clear();
    Press({40, 30});
    EXPECT_EQ(combo->ListIndex(), 0);
    Release({40, 70});
    EXPECT_EQ(events, (QStringList{"Click item2", "Change", "MouseUp"}));
    EXPECT_EQ(combo->Text(), "item2");
    EXPECT_EQ(combo->ListIndex(), 0);
    EXPECT_FALSE(combo->IsOpen());
}

TEST_F(YComboFixture, ListGoesWithItsParentWhileOpen) {
    AddItems(3);
    Click({40, 10});
    ASSERT_TRUE(combo->isWindow());
    QPointer<YCombo> watch(combo);
    window.reset();
    EXPECT_TRUE(watch.isNull());
    EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
}

// ---- Scrolling -----------------------------------------------------------------------------

TEST_F(YComboFixture, HeldDownArrowStepsAtPressThenAfter200ThenEvery100) {
    AddItems(12);  // MaxTop 5
    Click({40, 10});
    const QPoint arrow(kWidth - 10, 170);
    Press(arrow);
    EXPECT_EQ(combo->TopIndex(), 1);
    EXPECT_EQ(combo->PressedPart(), ScrollPart::Down);
    Clock::Advance(100);
    EXPECT_EQ(combo->TopIndex(), 1);
    Clock::Advance(100);
    EXPECT_EQ(combo->TopIndex(), 2);
    Clock::Advance(300);
    EXPECT_EQ(combo->TopIndex(), 5);
    Clock::Advance(300);
    EXPECT_EQ(combo->TopIndex(), 5);
    EXPECT_TRUE(combo->ScrollButtonHeld());
    events.clear();
    Release(arrow);  // ends the scroll: the list stays open and no MouseUp
    EXPECT_TRUE(combo->IsOpen());
    EXPECT_TRUE(events.isEmpty());
}

TEST_F(YComboFixture, ReleaseAfterRepeatStoppedClosesTheList) {
    AddItems(12);
    Click({40, 10});
    Press({kWidth - 10, 170});
    QCursor::setPos(combo->mapToGlobal(QPoint(40, 100)));  // off the column
    Clock::Advance(100);
    EXPECT_FALSE(combo->ScrollButtonHeld());
    Release({40, 300});
    EXPECT_FALSE(combo->IsOpen());
}

TEST_F(YComboFixture, TrackPagesUntilTheThumbReachesTheCursor) {
    AddItems(40);  // MaxTop 33, thumb 21 long
    Click({40, 10});
    ASSERT_EQ(combo->ThumbLength(), 21);
    Press({kWidth - 10, 150});
    EXPECT_EQ(combo->TopIndex(), 10);
    Clock::Advance(500);
    EXPECT_FALSE(combo->ScrollButtonHeld());
    const int top = combo->TopIndex();
    EXPECT_GT(top, 10);
    EXPECT_LT(combo->ThumbPos(), 150);
    EXPECT_GE(combo->ThumbPos() + combo->ThumbLength(), 150);
}

TEST_F(YComboFixture, ThumbDragFollowsTheCursorWithinTheTrack) {
    AddItems(10);  // thumb 83 long from 40, MaxTop 3
    Click({40, 10});
    Press({kWidth - 10, 60});
    EXPECT_TRUE(combo->ThumbDragging());
    Move({kWidth - 10, 72});
    EXPECT_EQ(combo->ThumbPos(), 52);
    EXPECT_EQ(combo->TopIndex(), 1);
    Move({kWidth - 10, 400});
    EXPECT_EQ(combo->ThumbPos(), 75);
    EXPECT_EQ(combo->TopIndex(), 3);
    Move({kWidth - 10, 0});
    EXPECT_EQ(combo->ThumbPos(), 40);
    EXPECT_EQ(combo->TopIndex(), 0);
    Release({kWidth - 10, 0});
    EXPECT_FALSE(combo->ThumbDragging());
    EXPECT_TRUE(combo->IsOpen());
}

TEST_F(YComboFixture, WheelScrollsThreeRowsWithinTheList) {
    AddItems(10);
    Wheel(-120);
    EXPECT_EQ(combo->TopIndex(), 0);  // closed: nothing
    Click({40, 10});
    Wheel(-120);
    Wheel(120);
    Wheel(-120);
    ASSERT_EQ(combo->TopIndex(), 3);
    Wheel(120);
    Wheel(-120);
    EXPECT_EQ(combo->TopIndex(), 3);  // 2 + 3 stops at MaxTop
    Wheel(120);
    Wheel(120);
    EXPECT_EQ(combo->TopIndex(), 0);
    EXPECT_EQ(combo->ThumbPos(), 40);
}

// ---- Keys and moves ------------------------------------------------------------------------

TEST_F(YComboFixture, KeysMoveTheSelectionChooseAndClose) {
    AddItems(10);
    Key(Qt::Key_Down);
    EXPECT_TRUE(events.isEmpty());  // closed: no event at all
    Click({40, 10});
    events.clear();
    Key(Qt::Key_Up);
    EXPECT_EQ(combo->ListIndex(), 0);
    EXPECT_EQ(events, (QStringList{"Change", "KeyDown 38"}));
    for (int i = 0; i < 7; ++i)
        Key(Qt::Key_Down);
    EXPECT_EQ(combo->ListIndex(), 7);
    EXPECT_EQ(combo->TopIndex(), 1);
    EXPECT_EQ(combo->Text(), "item7");
    events.clear();
    Key(Qt::Key_Return);
    EXPECT_EQ(events, (QStringList{"Click item7", "KeyDown 13"}));
    EXPECT_FALSE(combo->IsOpen());
    Click({40, 10});
    Key(Qt::Key_Alt);
    EXPECT_FALSE(combo->IsOpen());
}

TEST_F(YComboFixture, KeysInTheTextBoxReachTheListOnce) {
    AddItems(3);
    Click({40, 10});
    events.clear();
    QKeyEvent up(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
    QApplication::sendEvent(combo->TextBox(), &up);
    EXPECT_EQ(combo->ListIndex(), 0);
    EXPECT_EQ(events, (QStringList{"Change", "KeyDown 40"}));
}

TEST_F(YComboFixture, SecondPressOfADoubleClickOnTheScrollBarPressesToo) {
    AddItems(12);
    Click({40, 10});
    Press({kWidth - 10, 30});
    Release({kWidth - 10, 30});
    Mouse(QEvent::MouseButtonDblClick, {kWidth - 10, 170}, Qt::LeftButton);
    EXPECT_TRUE(combo->ScrollButtonHeld());
    EXPECT_EQ(combo->TopIndex(), 1);
    Release({kWidth - 10, 170});
    EXPECT_TRUE(combo->IsOpen());
}

TEST_F(YComboFixture, MovesCloserThanThirtyMsAreIgnored) {
    AddItems(3);
    Click({40, 10});
    int moves = 0;
    QObject::connect(combo, &YCombo::MouseMove, [&] { ++moves; });
    Move({40, 30});
    EXPECT_EQ(combo->HoverIndex(), 0);
    Clock::Advance(29);
    Mouse(QEvent::MouseMove, {40, 50});
    EXPECT_EQ(combo->HoverIndex(), 0);
    EXPECT_EQ(moves, 1);
}

TEST_F(YComboFixture, PromptShowsTheHoveredTextAfterHalfASecond) {
    combo->SetIsToolTip(true);
    combo->AddItem(QString(45, 'w'));
    combo->AddItem("short");
    Clock::Advance(YCombo::kInitDelayMs);
    Click({40, 10});
    Move({40, 30});
    Clock::Advance(499);
    EXPECT_FALSE(combo->Prompt()->isVisible());
    Clock::Advance(1);
    ASSERT_TRUE(combo->Prompt()->isVisible());
    EXPECT_EQ(combo->Prompt()->width(), 258);
    EXPECT_GT(combo->Prompt()->Lines().size(), 1);
    EXPECT_EQ(combo->Prompt()->Picture().pixel(1, 1), Colors::RgbToPixel(YComboPrompt::kFillColor));
    Move({40, 300});
    Clock::Advance(500);
    EXPECT_FALSE(combo->Prompt()->isVisible());
}
