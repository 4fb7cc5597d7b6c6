#include <gtest/gtest.h>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "Clock.h"
#include "CodePage.h"
#include "ColorListMod.h"
#include "FileDialogStub.h"
#include "FontSetup.h"
#include "Label.h"
#include "ListBox.h"
#include "LoadedForm.h"
#include "MessageBoxRecorder.h"
#include "PictureBox.h"
#include "TabCodes.h"
#include "TextBox.h"
#include "UserControl.h"
#include "form1.h"
#include "safetabs.h"
#include "xButton.h"

namespace {

class MainWindowLayoutTest : public testing::Test {
protected:
    void SetUp() override {
        FontSetup::Install();
        ColorListMod::FillColorPalette();
    }
    // What the user does: point at the control, then click it.
    static void UserClick(QWidget* control) {
        QTest::mouseMove(control, control->rect().center());
        QTest::mouseClick(control, Qt::LeftButton, {}, control->rect().center());
    }
    // Place of a control in twips, in its container.
    static QRect PlaceTwips(const QWidget* control) {
        const QRect g = control->geometry();
        return {g.x() * 15, g.y() * 15, g.width() * 15, g.height() * 15};
    }
    MessageBoxRecorder m_messages;
};

TEST_F(MainWindowLayoutTest, StartsOnTheFirstTabsWithTheStoredWindow) {
    form1 window;
    EXPECT_TRUE(window.Controls().Problems().isEmpty())
        << window.Controls().Problems().join('\n').toStdString();
    EXPECT_EQ(window.windowTitle(), "Veltrane");
    EXPECT_EQ(window.size(), QSize(1236, 707));
    EXPECT_EQ(window.windowIcon().availableSizes(), (QList<QSize>{{16, 16}, {32, 32}, {256, 256}}));
    EXPECT_EQ(window.safetabs1->activeTab(), 0);
    EXPECT_EQ(window.safetabs2->activeTab(), 0);
    EXPECT_EQ(window.safetabs1->Captions(), (QStringList{"NPC对话框", "人物封号", "Notice公告"}));
    EXPECT_EQ(window.safetabs2->Captions(),
              (QStringList{"传统对话框", "龙版对话框", "大图对话框", "任务对话框"}));
    EXPECT_EQ(window.Label14->Caption(), "");  // emptied by the load handler
    EXPECT_TRUE(m_messages.records().isEmpty());
}

TEST_F(MainWindowLayoutTest, ControlsLieInTheirContainersAtTheirPlaces) {
    form1 window;
    const LoadedForm& c = window.Controls();
    const struct {
        const char* name;
        const char* container;
        QRect place;
    } cases[] = {
        {"safetabs2", "safetabs1", {0, 720, 18615, 8895}},
        {"Picture1", "FxFrame1", {120, 240, 6015, 2655}},
        {"List1", "safetabs2", {2520, 5535, 3720, 3090}},
        {"Text6", "jcFrames4", {120, 360, 11655, 3375}},
        {"Text7", "jcFrames5", {120, 360, 11655, 3495}},
        {"Picture6", "FxFrame8", {120, 240, 3855, 5415}},
    };
    for (const auto& [name, container, place] : cases) {
        QWidget* control = c.Find(QString::fromLatin1(name));
        ASSERT_TRUE(control) << name;
        EXPECT_EQ(control->parentWidget(), c.Find(QString::fromLatin1(container))) << name;
        // Pixels are whole: a place off the 15-twip grid rounds to the nearest pixel.
        const QRect p = PlaceTwips(control);
        EXPECT_NEAR(p.x(), place.x(), 7) << name;
        EXPECT_NEAR(p.width(), place.width(), 7) << name;
        EXPECT_NEAR(p.height(), place.height(), 7) << name;
        if (UserControl::WhatsThisHelpIDOf(control) == 0) {
            EXPECT_NEAR(p.y(), place.y(), 7) << name;
        }
    }
    // The two task editors line up: their containers' offsets add up to the same x.
    QWidget* tab = c.Find("safetabs2");
    EXPECT_EQ(window.Text6->mapTo(tab, QPoint()).x(), 5640 / 15);
    EXPECT_EQ(window.Text7->mapTo(tab, QPoint()).x(), 5640 / 15);
}

TEST_F(MainWindowLayoutTest, OnlyTheMainEditorsHaveScrollBars) {
    form1 window;
    for (TextBox* editor : {window.Text1, window.Text6}) {
        EXPECT_EQ(editor->lineWrapMode(), QPlainTextEdit::NoWrap)
            << editor->objectName().toStdString();
        EXPECT_EQ(editor->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    }
    for (TextBox* editor : {window.Text2, window.Text3, window.Text7}) {
        EXPECT_EQ(editor->lineWrapMode(), QPlainTextEdit::WidgetWidth)
            << editor->objectName().toStdString();
        EXPECT_EQ(editor->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    }
}

TEST_F(MainWindowLayoutTest, TabsBringTheirGroupsHomeAndTabsBeyondTheStripNeverCome) {
    form1 window;
    const LoadedForm& c = window.Controls();
    QWidget* dragon = c.Find("FxFrame3");
    QWidget* engines = c.Find("FxFrame25");  // a group of outer tab 5, which the strip lacks
    ASSERT_TRUE(dragon && engines);
    EXPECT_EQ(UserControl::WhatsThisHelpIDOf(dragon), 1001);
    EXPECT_EQ(UserControl::TopOf(dragon), 600 + TabCodes::kParkOffsetTwips);
    window.safetabs2->SetActiveTab(1);
    EXPECT_EQ(UserControl::TopOf(dragon), 600);
    // A parked control is out of the Tab order until its tab shows it.
    EXPECT_EQ(UserControl::TabStopOf(window.List4), false);
    window.safetabs2->SetActiveTab(3);
    EXPECT_EQ(UserControl::TabStopOf(window.List4), true);
    const int parked = UserControl::TopOf(engines);
    EXPECT_GE(parked, TabCodes::kParkOffsetTwips);
    for (int tab : {1, 2, 0, 3, 5, 6})
        window.safetabs1->SetActiveTab(tab);  // tabs past the third are refused
    EXPECT_EQ(window.safetabs1->activeTab(), 0);
    EXPECT_EQ(UserControl::TopOf(engines), parked);
}

TEST_F(MainWindowLayoutTest, PictureBoxShowsItsBackColourBeyondItsPicture) {
    form1 window;
    // The description box is taller than the task picture; what the picture leaves uncovered
    // is the box's own colour.
    const QImage image = window.Picture14->Image();
    ASSERT_GT(image.height(), window.Picture14->Picture().height());
    const QRgb below = image.pixel(10, image.height() - 1);
    EXPECT_NE(below, qRgb(0, 0, 0));
    EXPECT_EQ(below, image.pixel(image.width() - 1, image.height() - 1));
}

TEST_F(MainWindowLayoutTest, NoticeLinesFromTheLeftMarginOneLineApart) {
    form1 window(false);
    QList<QPoint> at;
    QObject::connect(window.Picture6, &PictureBox::TextPrinted,
                     [&](int x, int y, quint32, const QString&) {
                         at.append({x, y});
                     });
    window.Text4->SetText("一\r\n\r\nabc");
    EXPECT_EQ(at, (QList<QPoint>{{14, 12}, {14, 36}}));  // the empty line prints nothing
    const QImage drawn = window.Picture6->Image();
    at.clear();
    window.Text4->SetText("");
    EXPECT_TRUE(at.isEmpty());
    EXPECT_NE(window.Picture6->Image(), drawn);
    window.Text4->SetText("x");
    window.Text4->SetText("");
    EXPECT_EQ(window.Picture6->Image(), window.Picture6->Image().copy());  // composed
    const QImage blank = window.Picture6->Image();
    window.Text4->SetText("");
    EXPECT_EQ(window.Picture6->Image(), blank);
}

TEST_F(MainWindowLayoutTest, TitlePreviewShowsEachPartOnACentredLine) {
    const struct {
        QString title;
        QString caption;
        int messages;
    } cases[] = {
        {"A\\B", "A\r\nB\r\n", 0},
        {"\\<★号令天下☆>", "\r\n<★号令天下☆>\r\n", 0},
        {"\\x\r\ny\\", "\r\nx\r\ny\r\n\r\n", 0},
        {"no separator", "", 1},
        {"", "", 0},
    };
    form1 window(false);
    for (const auto& [title, caption, messages] : cases) {
        m_messages.clear();
        window.Text5->SetText(title);
        window.xButton3_Click();
        EXPECT_EQ(window.Label14->Caption(), caption) << title.toStdString();
        EXPECT_EQ(window.Label14->Alignment(), Label::Align::Center);
        ASSERT_EQ(m_messages.records().size(), messages) << title.toStdString();
        if (messages) {
            EXPECT_EQ(m_messages.records()[0].text, "没有符号\\");
        }
    }
}

TEST_F(MainWindowLayoutTest, ClickingThePreviewButtonShowsTheSampleTitle) {
    form1 window;
    window.show();
    window.safetabs1->SetActiveTab(1);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    UserClick(window.xButton3);
    const QStringList lines = window.Label14->Caption().split("\r\n");
    ASSERT_EQ(lines.size(), 5);  // an empty first line, three parts, and the final break
    EXPECT_EQ(lines[0], "");
    EXPECT_TRUE(lines[1].contains("*<★号令天下☆>*"));
    EXPECT_TRUE(lines[2].contains("*武林盟主*"));
    EXPECT_TRUE(lines[3].contains("*天下之首一统天下*"));
}

TEST_F(MainWindowLayoutTest, FileButtonsOpenIntoAndSaveTheirOwnEditors) {
    Clock::UseManualTime(1000);
    QTemporaryDir dir;
    form1 window(false);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const struct {
        const char* open;
        const char* save;
        TextBox* editor;
        int outer, inner;  // the tabs that show the buttons
    } pairs[] = {{"YCommand1", "YCommand2", window.Text1, 0, 0},
                 {"YCommand5", "YCommand6", window.Text2, 0, 1},
                 {"YCommand9", "YCommand10", window.Text3, 0, 2},
                 {"YCommand3", "YCommand4", window.Text4, 2, 0}};
    for (const auto& [open, save, editor, outer, inner] : pairs) {
        window.safetabs1->SetActiveTab(outer);
        window.safetabs2->SetActiveTab(inner);
        const QString path = dir.filePath(QString::fromLatin1(open));
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(CodePage::FromUnicode(QStringLiteral("[@main]\r\n中")));
        file.close();
        {
            const FileDialogStub dialog({path});
            UserClick(window.Controls().Find(QString::fromLatin1(open)));
        }
        EXPECT_EQ(editor->Text(), "[@main]\r\n中") << open;
        {
            const FileDialogStub dialog({path});
            UserClick(window.Controls().Find(QString::fromLatin1(save)));
        }
        QFile saved(path);
        ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
        EXPECT_EQ(CodePage::ToUnicode(saved.readAll()), "[@main]\r\n中\r\n") << save;
    }
    EXPECT_TRUE(m_messages.records().isEmpty());
    Clock::UseSystemTime();
}

TEST_F(MainWindowLayoutTest, ButtonsWithoutAnActionDoNothing) {
    form1 window;
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const QString before = window.Text1->Text();
    for (const char* name : {"xButton1", "xButton2", "YCommand8"}) {
        QWidget* button = window.Controls().Find(QString::fromLatin1(name));
        ASSERT_TRUE(button) << name;
        UserClick(button);
    }
    EXPECT_EQ(window.Text1->Text(), before);
    EXPECT_TRUE(m_messages.records().isEmpty());
}

}  // namespace
