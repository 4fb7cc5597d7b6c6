#include <gtest/gtest.h>

#include "ClassicPane.h"
#include "ColorCode.h"
#include "ColorPalette.h"
#include "RecordingList.h"
#include "RecordingMessages.h"
#include "RecordingPrintTarget.h"

namespace {

using Draw = RecordingPrintTarget::Draw;

constexpr quint32 kWhite = 0xFFFFFF;
constexpr quint32 kRed = 0x0000FF;
constexpr quint32 kLink = 0x00E7F7;
constexpr quint32 k133 = 0x428C4A;
constexpr quint32 k5 = 0x800080;

const QString kNoCode =
    QStringLiteral("“AUTOCOLOR或SCOLOR”没有输入颜色代码！请输入颜色代码！否则显示默认颜色。");
const QString kSpaces = QStringLiteral("“AUTOCOLOR或SCOLOR”颜色格式错误！不能有空格！");
const QString kRange = QStringLiteral("颜色参数错误！请输入颜色参数（0-255）");

struct MarkupCase {
    const char* name;
    QString line;
    QList<Draw> draws;
    QStringList messages;
};

class MarkupTest : public testing::TestWithParam<MarkupCase> {
protected:
    void SetUp() override {
        ColorPalette.fill(0);
        ColorPalette[5] = k5;
        ColorPalette[133] = k133;
        ColorPalette[151] = kLink;
    }
};

// Each line is the body of a section, so the pen starts at (12, 12).
TEST_P(MarkupTest, DrawsRunsAndReportsCodes) {
    RecordingPrintTarget picture;
    RecordingList list;
    RecordingMessages messages;
    ClassicPane pane(picture, list, messages);
    pane.ParseScript(QStringLiteral("[@m]\r\n") + GetParam().line);
    EXPECT_EQ(picture.draws, GetParam().draws);
    EXPECT_EQ(messages.messages, GetParam().messages);
}

INSTANTIATE_TEST_SUITE_P(
    Transitions, MarkupTest,
    testing::Values(
        MarkupCase{"PlainCharsOneByOne", "ab", {{"a", 12, 12, kWhite}, {"b", 18, 12, kWhite}}, {}},
        MarkupCase{
            "WideCharAdvances12", "中a", {{"中", 12, 12, kWhite}, {"a", 24, 12, kWhite}}, {}},
        MarkupCase{"UnclosedTagDropped",
                   "abc<def",
                   {{"a", 12, 12, kWhite}, {"b", 18, 12, kWhite}, {"c", 24, 12, kWhite}},
                   {}},
        MarkupCase{"EmptyRunsDoNotMove", "<></@x>y", {{"y", 12, 12, kWhite}}, {}},
        MarkupCase{
            "BackslashInsideRun", "x<a\\b>", {{"x", 12, 12, kWhite}, {"ab", 12, 28, kRed}}, {}},
        MarkupCase{
            "BackslashNewLine", "a\\\\b", {{"a", 12, 12, kWhite}, {"b", 12, 44, kWhite}}, {}},
        MarkupCase{"RedTagThenPlain", "<ab>c", {{"ab", 12, 12, kRed}, {"c", 24, 12, kWhite}}, {}},
        MarkupCase{"AtWithoutSlashIsText", "<a@b>", {{"a@b", 12, 12, kRed}}, {}},
        MarkupCase{"LinkInEntry151", "<go/@main>", {{"go", 12, 12, kLink}}, {}},
        MarkupCase{"SlashTagBeforeAnyColorIsBlack", "<a/xy>", {{"a", 12, 12, 0}}, {}},
        MarkupCase{"AutoColor", "<t/AUTOCOLOR=133>", {{"t", 12, 12, k133}}, {}},
        MarkupCase{"ScolorLowerCase", "<t/scolor=5>", {{"t", 12, 12, k5}}, {}},
        MarkupCase{"ColorKeepsForLaterSlashTags",
                   "<a/SCOLOR=5><b/x>",
                   {{"a", 12, 12, k5}, {"b", 18, 12, k5}},
                   {}},
        MarkupCase{"SecondColorTagReadAsPlainSlashTag",
                   "<a/@x><b/SCOLOR=5>",
                   {{"a", 12, 12, kLink}, {"b", 18, 12, kLink}},
                   {}},
        MarkupCase{
            "CommaDrawsRedAndEndsLine", "<t/AUTOCOLOR=133,255>rest", {{"t", 12, 12, kRed}}, {}},
        MarkupCase{"MissingCode",
                   "<t/AUTOCOLOR=>x",
                   {{"t", 12, 12, kRed}, {"x", 18, 12, kWhite}},
                   {kNoCode}},
        MarkupCase{"ZeroCode", "<t/AUTOCOLOR=0>", {{"t", 12, 12, kRed}}, {kNoCode}},
        MarkupCase{"LettersCode", "<t/AUTOCOLOR=abc>", {{"t", 12, 12, kRed}}, {kNoCode}},
        MarkupCase{"SpaceKeepsTagOpen", "<t/AUTOCOLOR=1 2>x>", {}, {kSpaces, kRange}},
        MarkupCase{"SpaceThenValidCode", "<t/AUTOCOLOR=1 3>3>", {{"t", 12, 12, k133}}, {kSpaces}},
        MarkupCase{"TooLong", "<t/AUTOCOLOR=1234>", {}, {kRange}},
        MarkupCase{"OutOfRange300", "<t/AUTOCOLOR=300>", {}, {kRange}},
        MarkupCase{"Negative", "<t/AUTOCOLOR=-5>", {}, {kRange}},
        MarkupCase{"TrailingLetter", "<t/AUTOCOLOR=1a>", {}, {kRange}},
        MarkupCase{"FractionRoundsHalfEven", "<t/AUTOCOLOR=4.5>", {{"t", 12, 12, 0}}, {}},
        MarkupCase{"TwoSpacesAfterGotoIsText",
                   "GOTO  @m",
                   {{"G", 12, 12, kWhite},
                    {"O", 18, 12, kWhite},
                    {"T", 24, 12, kWhite},
                    {"O", 30, 12, kWhite},
                    {" ", 36, 12, kWhite},
                    {" ", 42, 12, kWhite},
                    {"@", 48, 12, kWhite},
                    {"m", 54, 12, kWhite}},
                   {}}),
    [](const auto& info) { return info.param.name; });

TEST(ColorCode, LeadingValueReadsLikeANumberPrefix) {
    const std::pair<const char*, double> cases[] = {
        {"", 0},      {"abc", 0},  {"  12x", 12}, {"1 2", 12}, {"-5", -5}, {"+7", 7},
        {"1.5", 1.5}, {".5", 0.5}, {"0", 0},      {"- 3", -3}, {"&H5", 0}};
    for (const auto& [digits, value] : cases)
        EXPECT_DOUBLE_EQ(ColorCode::LeadingValue(digits), value) << digits;
}

TEST(ColorCode, PaletteIndexOnlyForWholeNumbersInRange) {
    const std::pair<const char*, std::optional<int>> cases[] = {{"0", 0},
                                                                {"255", 255},
                                                                {"256", std::nullopt},
                                                                {"-1", std::nullopt},
                                                                {"+5", 5},
                                                                {"2.5", 2},
                                                                {"3.5", 4},
                                                                {"1a", std::nullopt},
                                                                {"1e2", std::nullopt},
                                                                {".", std::nullopt}};
    for (const auto& [digits, index] : cases)
        EXPECT_EQ(ColorCode::PaletteIndex(digits), index) << digits;
}

}  // namespace
