#include <gtest/gtest.h>
#include <QApplication>
#include <QCursor>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPointer>
#include <QTest>
#include <QWheelEvent>
#include <memory>

#include "Clock.h"
#include "ColorBlend.h"
#include "PropertyBag.h"
#include "YCombo.h"
#include "YComboPrompt.h"

using ColorBlend::BlendColor;
using ScrollPart = YCombo::ScrollPart;

namespace {

constexpr int kWidth = 160;
constexpr quint32 kFillFocus = 0x0000FF;
constexpr quint32 kFillUp = 0x00FF00;
constexpr quint32 kBkg1 = 0xEEEEEE;
constexpr quint32 kBkg2 = 0xDDDDDD;

// A live closed box of 160 x 20 on a shown window, on the manual clock, with plain colours
// for its rows; every event it raises is recorded.
struct YComboFixture : ::testing::Test {
    std::unique_ptr<QWidget> window = std::make_unique<QWidget>();
    YCombo* combo = nullptr;
    QStringList events;

    void SetUp() override {
        Clock::UseManualTime(10000);
        window->resize(400, 300);
        combo = new YCombo(window.get());
        combo->SetName("YCombo1");
        combo->setGeometry(20, 30, kWidth, 20);
        combo->Load(Stored());
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        QObject::connect(combo, &YCombo::Click,
                         [this](const QString& t) { events << "Click " + t; });
        QObject::connect(combo, &YCombo::Change, [this] { events << "Change"; });
        QObject::connect(combo, &YCombo::MouseUp, [this] { events << "MouseUp"; });
        QObject::connect(combo, &YCombo::KeyDown,
                         [this](int key, int) { events << QString("KeyDown %1").arg(key); });
    }
    void TearDown() override {
        window.reset();
        Clock::UseSystemTime();
    }

    static PropertyBag Stored(int style = 0) {
        PropertyBag bag;
        bag.WriteProperty("IsDrawFocus", true);
        bag.WriteProperty("IsDrawHover", true);
        bag.WriteProperty("clrFillFocus", kFillFocus);
        bag.WriteProperty("clrFillUp", kFillUp);
        bag.WriteProperty("clrBkgNormal1", kBkg1);
        bag.WriteProperty("clrBkgNormal2", kBkg2);
        bag.WriteProperty("Style", style);
        return bag;
    }
    void AddItems(int n) {
        for (int i = 0; i < n; ++i)
            combo->AddItem(QString("item%1").arg(i));
        Clock::Advance(YCombo::kInitDelayMs);
    }
    void Mouse(QEvent::Type type, QPoint p, Qt::MouseButtons held = Qt::NoButton) {
        const Qt::MouseButton which = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
        QCursor::setPos(combo->mapToGlobal(p));
        QMouseEvent event(type, p, combo->mapToGlobal(QPointF(p)), which, held, Qt::NoModifier);
        QApplication::sendEvent(combo, &event);
    }
    void Press(QPoint p) { Mouse(QEvent::MouseButtonPress, p, Qt::LeftButton); }
    void Release(QPoint p) { Mouse(QEvent::MouseButtonRelease, p); }
    void Click(QPoint p) {
        Press(p);
        Release(p);
    }
    void Move(QPoint p) {
        Clock::Advance(YCombo::kMoveThrottleMs);
        Mouse(QEvent::MouseMove, p);
    }
    void Key(Qt::Key key) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(combo, &press);
    }
    void Wheel(int delta) {
        const QPointF at(10, 30);
        QWheelEvent wheel(at, combo->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(combo, &wheel);
    }
    // Paints the control as the screen would (an open list once its window is up) and gives one
    // pixel of what it showed.
    quint32 Shown(int x, int y) {
        if (combo->isWindow()) {
            EXPECT_TRUE(QTest::qWaitForWindowExposed(combo));
        }
        combo->repaint();
        return combo->surface().GetPixel(x, y);
    }
};

}  // namespace

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
