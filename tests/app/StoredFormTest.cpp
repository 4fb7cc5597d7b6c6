#include <gtest/gtest.h>
#include <QRandomGenerator>

#include "FontSetup.h"
#include "Label.h"
#include "LoadedForm.h"
#include "PictureBox.h"
#include "Resources.h"
#include "StoredForm.h"
#include "TextBox.h"
#include "UserControl.h"

namespace {

const char kSmallForm[] =
    "# a window\n"
    "form main\n"
    "  caption = str \"Tool\"\n"
    "  clientwidth = int 3000\n"
    "  clientheight = int 1500\n"
    "end\n"
    "control FxFrame Frame1 in main at 150 300 1500 900 tabstop false\n"
    "  caption = str \"框\"\n"
    "end\n"
    "control Label Label1 in frame1 at 15 30 600 300 code 1002\n"
    "  caption = str \"a\\r\\nb\"\n"
    "  alignment = int 2\n"
    "end\n";

TEST(StoredFormTest, ReadsBlocksInOrderWithTheirPlacesAndEntries) {
    const StoredForm form = StoredForm::FromText(QString::fromUtf8(kSmallForm));
    EXPECT_TRUE(form.problems.isEmpty()) << form.problems.join(';').toStdString();
    EXPECT_EQ(form.name, "main");
    EXPECT_EQ(form.properties.Read<QString>("Caption", {}), "Tool");
    ASSERT_EQ(form.controls.size(), 2);
    const StoredControl& label = form.controls[1];
    EXPECT_EQ(label.type, "Label");
    EXPECT_EQ(label.container, "frame1");
    EXPECT_EQ(label.place, QRect(15, 30, 600, 300));
    EXPECT_EQ(label.code, 1002);
    EXPECT_FALSE(label.tabStop.has_value());
    EXPECT_EQ(form.controls[0].tabStop, false);
}

TEST(StoredFormTest, BuildsControlsInTheirContainersThroughTheirOwnLoadPath) {
    FontSetup::Install();
    QWidget window;
    LoadedForm loaded(StoredForm::FromText(QString::fromUtf8(kSmallForm)), &window);
    EXPECT_TRUE(loaded.Problems().isEmpty());
    EXPECT_EQ(window.windowTitle(), "Tool");
    EXPECT_EQ(window.size(), QSize(200, 100));
    QWidget* frame = loaded.Find("FRAME1");  // names match without regard to case
    ASSERT_TRUE(frame);
    EXPECT_EQ(frame->geometry(), QRect(10, 20, 100, 60));
    auto* label = qobject_cast<Label*>(loaded.Find("Label1"));
    ASSERT_TRUE(label);
    EXPECT_EQ(label->parentWidget(), frame);
    EXPECT_EQ(label->Caption(), "a\r\nb");
    EXPECT_EQ(label->Alignment(), Label::Align::Center);
    EXPECT_EQ(UserControl::WhatsThisHelpIDOf(label), 1002);
}

TEST(StoredFormTest, SkipsWhatCannotBeBuiltAndStandsInForMissingControls) {
    const QString text = QStringLiteral(
        "form f\nend\n"
        "control Gadget G1 in f at 0 0 10 10\nend\n"       // unknown type
        "control Label L1 in nowhere at 0 0 10 10\nend\n"  // no such container
        "control Label L2 in f at 0 0 x 10\nend\n"         // malformed header
        "control Label L3 in f at 0 0 10 10\nend\n"
        "control TextBox l3 in f at 0 0 10 10\nend\n"         // name used before
        "control Label L4 in f at 0 0 99999999999 10\nend\n"  // out of range
        "stray = int 1\n");
    const StoredForm data = StoredForm::FromText(text);
    EXPECT_EQ(data.problems.size(), 3);  // the two malformed headers and the stray entry
    QWidget window;
    LoadedForm loaded(data, &window);
    EXPECT_TRUE(qobject_cast<Label*>(loaded.Find("L3")));
    EXPECT_FALSE(loaded.Find("G1"));
    EXPECT_FALSE(loaded.Find("L1"));
    // What the window's code needs is there even when the data lacks it, out of sight.
    QWidget* label = loaded.Find("L3");
    TextBox* standIn = loaded.Require<TextBox>("L3");
    EXPECT_NE(static_cast<QWidget*>(standIn), label);
    EXPECT_FALSE(standIn->isVisibleTo(&window));
    EXPECT_EQ(loaded.Require<TextBox>("L3"), standIn);
}

TEST(StoredFormTest, DamagedDataNeverCrashesTheLoader) {
    FontSetup::Install();
    const QString original = Resources::StoredFormText(QStringLiteral("form1"));
    ASSERT_FALSE(original.isEmpty());
    QRandomGenerator random(7);
    for (int round = 0; round < 20; ++round) {
        QString text = original;
        for (int edit = 0; edit < 40; ++edit) {
            const qsizetype at = random.bounded(qsizetype(text.size()));
            switch (random.bounded(3)) {
                case 0:
                    text.remove(at, random.bounded(40));
                    break;
                case 1:
                    text.insert(at, text.mid(random.bounded(qsizetype(text.size())), 60));
                    break;
                default:
                    text[at] = QChar(u"0-9 \n=\"x"[random.bounded(9)]);
            }
        }
        QWidget window;
        LoadedForm loaded(StoredForm::FromText(text), &window);
        loaded.Require<PictureBox>(QStringLiteral("Picture1"));
    }
}

}  // namespace
