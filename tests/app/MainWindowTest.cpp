#include <gtest/gtest.h>
#include <QSignalSpy>
#include <QTest>

#include "ClassicPane.h"
#include "ColorListMod.h"
#include "Colors.h"
#include "FontSetup.h"
#include "ListBox.h"
#include "MessageBoxRecorder.h"
#include "PictureBox.h"
#include "SectionPane.h"
#include "TextBox.h"
#include "WindowSwitch.h"
#include "form1.h"
#include "safetabs.h"

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

TEST_F(MainWindowTest, EachEditorRedrawsItsOwnPreviewOnly) {
    form1 window(false);
    PictureBox* pictures[] = {window.Picture1, window.Picture2, window.Picture3,
                              window.Picture4, window.Picture6, window.Picture14};
    const struct {
        TextBox* editor;
        PictureBox* picture;
        bool setsCodeString;
    } cases[] = {{window.Text1, window.Picture1, false}, {window.Text2, window.Picture2, true},
                 {window.Text3, window.Picture3, false}, {window.Text4, window.Picture6, false},
                 {window.Text6, window.Picture4, true},  {window.Text7, window.Picture14, true}};
    for (const auto& [editor, picture, setsCodeString] : cases) {
        QList<PictureBox*> cleared;
        QObject receiver;
        for (PictureBox* p : pictures)
            QObject::connect(p, &PictureBox::Cleared, &receiver, [&cleared, p] { cleared << p; });
        window.CodeString = "before";
        const QString text = "[@main]\r\n" + editor->objectName();
        editor->SetText(text);
        EXPECT_EQ(cleared, QList<PictureBox*>{picture}) << editor->objectName().toStdString();
        EXPECT_EQ(window.CodeString, setsCodeString ? text : "before");
    }
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

namespace {

// Records where the picture box says it printed.
struct PrintLog {
    struct Print {
        int x, y;
        quint32 color;
        QString text;
    };
    explicit PrintLog(PictureBox* box) {
        QObject::connect(box, &PictureBox::Cleared, &receiver, [this] { prints.clear(); });
        QObject::connect(box, &PictureBox::TextPrinted, &receiver,
                         [this](int x, int y, quint32 color, const QString& text) {
                             prints.append({x, y, color, text});
                         });
    }
    QList<Print> prints;
    QObject receiver;  // disconnects when the log goes
};

TEST_F(MainWindowTest, TextLandsWhereThePrintSaysInThePreviewFont) {
    // One print per script, each alone on the picture: its ink must lie in its cell, in exactly
    // the printed colour.
    const std::tuple<QString, int, quint32, int> cases[] = {
        {"[@a]\r\n中", 12, 0xFFFFFF, 12},
        {"[@a]\r\n\\<x/@y>", 12, 0x00E7F7, 6},
        {"[@a]\r\nab<t/AUTOCOLOR=252>", 24, 0xFF0000, 6},
    };
    form1 window(false);
    for (const auto& [script, x, color, width] : cases) {
        PrintLog log(window.Picture1);
        window.Text1->SetText(script);
        const PrintLog::Print print = log.prints.last();
        EXPECT_EQ(print.x, x);
        EXPECT_EQ(print.color, color);
        const QImage shown = window.Picture1->Image();
        const QImage& background = window.Picture1->Picture();
        const QRect cell(print.x, print.y, width, 12);
        int ink = 0;
        for (int py = cell.top() - 3; py <= cell.bottom() + 3; ++py) {
            for (int px = cell.left(); px <= cell.right() + 3; ++px) {
                if (shown.pixel(px, py) == background.pixel(px, py)) continue;
                EXPECT_TRUE(cell.contains(px, py)) << px << "," << py;
                EXPECT_EQ(shown.pixel(px, py), Colors::ToQColor(color).rgb());
                ++ink;
            }
        }
        EXPECT_GT(ink, 8) << print.text.toStdString();
    }
}

}  // namespace

namespace {

// A real mouse click on the link list empties and refills it from inside its own click.
TEST_F(MainWindowTest, MouseClickOnTheLinkListFollowsTheLink) {
    form1 window(false);
    window.show();
    window.Text2->SetText("[@main]\r\n<go/@two><other/@main>\r\n[@two]\r\n<back/@main>");
    ASSERT_EQ(window.List3->ListCount(), 2);
    for (const char* expected : {"back", "go", "back"}) {
        const QRect row = window.List3->visualItemRect(window.List3->item(0));
        QTest::mouseClick(window.List3->viewport(), Qt::LeftButton, {}, row.center());
        EXPECT_EQ(window.List3->List(0), expected);
    }
}

}  // namespace

namespace {

// After a link was followed with the mouse, leaving the window and coming back must not follow
// another one: the list's focus row is no selection.
TEST_F(MainWindowTest, ReturningToTheWindowFollowsNoLink) {
    form1 window(false);
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    window.Text2->SetText("[@main]\r\n<go/@two>\r\n[@two]\r\n<on/@three>\r\n[@three]\r\n<x/@main>");
    ASSERT_EQ(window.List3->ListCount(), 1);
    window.safetabs2->SetActiveTab(1);             // the dragon-style page
    window.List3->setFocus(Qt::MouseFocusReason);  // what the press does on a real screen
    QTest::mouseClick(window.List3->viewport(), Qt::LeftButton, {},
                      window.List3->visualItemRect(window.List3->item(0)).center());
    ASSERT_EQ(window.List3->List(0), "on");
    ASSERT_TRUE(window.List3->hasFocus());
    ASSERT_TRUE(SwitchAwayAndBack(window));
    QCoreApplication::processEvents();
    ASSERT_TRUE(window.List3->hasFocus());
    EXPECT_EQ(window.List3->List(0), "on");
}

}  // namespace
