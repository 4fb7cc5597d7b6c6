#include <gtest/gtest.h>

#include "Colors.h"
#include "Label.h"

namespace {

TEST(Colors, SystemColorsComeFromOneFixedTable) {
    const std::pair<quint32, quint32> cases[] = {
        {0x000000FF, 0x000000FF},  // plain 0x00BBGGRR passes through
        {0x80000008, 0x000000},    // window text
        {0x8000000F, 0xF0F0F0},    // button face
        {0x80000005, 0xFFFFFF},    // window
        {0x8000000D, Colors::Rgb(0, 120, 215)},
        {0x8000001E, 0xF0F0F0},  // the last entry
    };
    for (const auto& [in, out] : cases) {
        quint32 result = 0x123456;
        EXPECT_TRUE(Colors::OleTranslateColor(in, &result)) << std::hex << in;
        EXPECT_EQ(result, out) << std::hex << in;
    }
    for (quint32 bad : {0x8000001Fu, 0x80FFFFFFu, 0x01000005u, 0xFFFFFFFFu}) {
        quint32 result = 0x123456;
        EXPECT_FALSE(Colors::OleTranslateColor(bad, &result)) << std::hex << bad;
        EXPECT_EQ(result, 0x123456u);
        EXPECT_EQ(Colors::TranslateColor(bad), 0u);
    }
    EXPECT_EQ(Colors::ToQColor(0x0000FF), QColor(255, 0, 0));  // red lives in the lowest byte
    EXPECT_EQ(Colors::ToRgb(Colors::kButtonFace), qRgb(240, 240, 240));
    EXPECT_EQ(Colors::PixelToRgb(qRgb(1, 2, 3)), Colors::Rgb(1, 2, 3));
}

TEST(Label, CaptionKeepsCrLfAndShowsLineBreaks) {
    Label label;
    label.SetCaption("A\r\nB\r\n");
    EXPECT_EQ(label.Caption(), "A\r\nB\r\n");
    EXPECT_EQ(label.text(), "A\nB\n");
}

TEST(Label, EachLineIsAlignedAsTold) {
    Label label;
    label.SetCaption("wide line\r\nx");
    label.resize(200, 40);
    const std::pair<Label::Align, Qt::Alignment> cases[] = {
        {Label::Align::Left, Qt::AlignLeft},
        {Label::Align::Right, Qt::AlignRight},
        {Label::Align::Center, Qt::AlignHCenter},
    };
    for (const auto& [align, shown] : cases) {
        label.SetAlignment(align);
        EXPECT_EQ(label.alignment() & Qt::AlignHorizontal_Mask, shown);
    }
}

}  // namespace
