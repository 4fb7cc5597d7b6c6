#include <gtest/gtest.h>
#include <QSignalSpy>
#include <QTest>

#include "ClassicPane.h"
#include "ColorListMod.h"
#include "FontSetup.h"
#include "ListBox.h"
#include "MessageBoxRecorder.h"
#include "PictureBox.h"
#include "SectionPane.h"
#include "TextBox.h"
#include "form1.h"

namespace {

class MainWindowTest : public testing::Test {
protected:
    void SetUp() override {
        FontSetup::Install();
        ColorListMod::FillColorPalette();
    }
    MessageBoxRecorder m_messages;
};

TEST_F(MainWindowTest, StartsWithEveryPreviewDrawnFromItsSample) {
    form1 window;
    EXPECT_EQ(window.List1->ListCount(), 2);
    EXPECT_EQ(window.List1->List(0), "main");
    EXPECT_EQ(window.List1->List(1), "小美之城");
    EXPECT_EQ(window.List2->ListCount(), 2);
    EXPECT_EQ(window.List3->ListCount(), 6);
    EXPECT_EQ(window.List3->List(0), "一号服务");
    EXPECT_EQ(window.List4->ListCount(), 3);  // the log's three messengers; the tasks link nowhere
    EXPECT_EQ(window.CodeString, window.Text7->Text());
    EXPECT_TRUE(m_messages.records().isEmpty());
}

TEST_F(MainWindowTest, TypingReparsesAndRedraws) {
    form1 window(false);
    window.Text1->setFocus();
    QTest::keyClicks(window.Text1, "[@a]");
    QTest::keyClick(window.Text1, Qt::Key_Return);
    QTest::keyClicks(window.Text1, "hi");
    EXPECT_EQ(window.Text1->Text(), "[@a]\r\nhi");
    EXPECT_EQ(window.List1->ListCount(), 1);
    EXPECT_EQ(window.List1->List(0), "a");
}

TEST_F(MainWindowTest, SectionListClickDrawsThatSection) {
    form1 window(false);
    window.Text1->SetText("[@a]\r\nx\r\n[@b]\r\n[@c]\r\nyz");
    const QImage before = window.Picture1->Image();
    window.List1->ClickRow(2);
    EXPECT_NE(window.Picture1->Image(), before);
    EXPECT_EQ(window.List1->ListIndex(), 2);
    EXPECT_EQ(window.List1->ListCount(), 3);  // the list keeps its rows
    // Arrow keys change the selection and redraw like a click.
    QSignalSpy clicks(window.List1, &ListBox::Click);
    window.List1->setFocus();
    QTest::keyClick(window.List1, Qt::Key_Up);
    EXPECT_EQ(clicks.count(), 1);
    EXPECT_EQ(window.List1->ListIndex(), 1);
}

TEST_F(MainWindowTest, LinkListFollowsLinksInTheDragonEditorText) {
    form1 window(false);
    window.Text2->SetText("[@main]\r\n<go/@two>\r\n[@two]\r\nhere<back/@main>");
    // Another section-engine editor changing last must not change what the click finds.
    window.Text7->SetText("[@main]\r\n<other/@x>");
    ASSERT_EQ(window.List3->ListCount(), 1);
    window.List3->ClickRow(0);
    EXPECT_EQ(window.List3->ListCount(), 1);
    EXPECT_EQ(window.List3->List(0), "back");
    window.List3->ClickRow(0);
    EXPECT_EQ(window.List3->List(0), "go");
}

TEST_F(MainWindowTest, TaskLinkListHoldsTheLastDrawingOfBothPanes) {
    form1 window(false);
    window.Text6->SetText("[@main]<a/@x><b/@y>");
    window.Text7->SetText("[@main]<c/@z>");
    window.Text6->SetText("[@main]<d/@x>");
    window.Text6->SetText("[@main]<d/@x>");
    QStringList rows;
    for (int i = 0; i < window.List4->ListCount(); ++i)
        rows << window.List4->List(i);
    EXPECT_EQ(rows, (QStringList{"d", "c"}));
}

}  // namespace
