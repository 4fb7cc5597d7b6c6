#include <gtest/gtest.h>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

#include "ListBox.h"
#include "WindowSwitch.h"

namespace {

// A shown window with an edit box and a list of four rows, the edit box focused.
class ListBoxTest : public testing::Test {
protected:
    void SetUp() override {
        auto* layout = new QVBoxLayout(&window);
        edit = new QLineEdit(&window);
        list = new ListBox(&window);
        layout->addWidget(edit);
        layout->addWidget(list);
        for (const char* row : {"a", "b", "c", "d"})
            list->AddItem(QString::fromLatin1(row));
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        edit->setFocus();
        clicks = std::make_unique<QSignalSpy>(list, &ListBox::Click);
    }
    QPoint RowCentre(int row) const { return list->visualItemRect(list->item(row)).center(); }
    void MouseClick(Qt::MouseButton button, int row) {
        QTest::mouseClick(list->viewport(), button, {}, RowCentre(row));
    }

    QWidget window;
    QLineEdit* edit = nullptr;
    ListBox* list = nullptr;
    std::unique_ptr<QSignalSpy> clicks;
};

TEST_F(ListBoxTest, FocusAndWindowActivationSelectNothing) {
    QTest::keyClick(edit, Qt::Key_Tab);  // into the list: its first row gets the focus frame
    ASSERT_TRUE(list->hasFocus());
    ASSERT_TRUE(SwitchAwayAndBack(window));
    EXPECT_EQ(clicks->count(), 0);
    EXPECT_EQ(list->ListIndex(), -1);
}

TEST_F(ListBoxTest, LeftClicksSelectAndClickEvenOnTheSelectedRow) {
    MouseClick(Qt::LeftButton, 1);
    EXPECT_EQ(list->ListIndex(), 1);
    EXPECT_EQ(clicks->count(), 1);
    MouseClick(Qt::LeftButton, 1);
    EXPECT_EQ(clicks->count(), 2);
    MouseClick(Qt::LeftButton, 3);
    EXPECT_EQ(list->ListIndex(), 3);
    EXPECT_EQ(clicks->count(), 3);
}

TEST_F(ListBoxTest, OtherButtonsSelectNothing) {
    MouseClick(Qt::LeftButton, 0);
    for (Qt::MouseButton button : {Qt::RightButton, Qt::MiddleButton}) {
        MouseClick(button, 2);
        QTest::mouseDClick(list->viewport(), button, {}, RowCentre(2));
    }
    EXPECT_EQ(list->ListIndex(), 0);
    EXPECT_EQ(clicks->count(), 1);
    EXPECT_TRUE(list->hasFocus());
}

TEST_F(ListBoxTest, KeysMoveTheSelectionAndClickOncePerChange) {
    MouseClick(Qt::LeftButton, 0);
    const struct {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        int row;
        int clicks;  // in all, the mouse click included
    } steps[] = {
        {Qt::Key_Down, Qt::NoModifier, 1, 2},
        {Qt::Key_Down, Qt::ControlModifier, 2, 3},  // Ctrl moves the selection, not only the focus
        {Qt::Key_End, Qt::NoModifier, 3, 4},
        {Qt::Key_Down, Qt::NoModifier, 3, 4},  // already on the last row: no change, no click
        {Qt::Key_Home, Qt::ControlModifier, 0, 5},
    };
    for (const auto& step : steps) {
        QTest::keyClick(list, step.key, step.modifiers);
        EXPECT_EQ(list->ListIndex(), step.row) << step.key;
        EXPECT_EQ(list->currentRow(), step.row) << step.key;
        EXPECT_TRUE(list->item(step.row)->isSelected()) << step.key;  // highlighted as well
        EXPECT_EQ(clicks->count(), step.clicks) << step.key;
    }
}

TEST_F(ListBoxTest, ProgramSelectionClicksAndClearingDoesNot) {
    list->SetListIndex(2);
    EXPECT_EQ(clicks->count(), 1);
    list->ClickRow(2);  // a click on the selected row still clicks
    EXPECT_EQ(clicks->count(), 2);
    list->Clear();
    EXPECT_EQ(list->ListIndex(), -1);
    list->AddItem(QStringLiteral("x"));
    list->setFocus();
    EXPECT_EQ(clicks->count(), 2);
    EXPECT_EQ(list->ListIndex(), -1);
}

}  // namespace
