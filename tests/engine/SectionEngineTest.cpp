#include <gtest/gtest.h>

#include "FindSection.h"
#include "Navigation.h"
#include "RecordingList.h"
#include "RecordingPrintTarget.h"
#include "SectionPane.h"

namespace {

using Draw = RecordingPrintTarget::Draw;
constexpr quint32 kWhite = 0xFFFFFF;
constexpr quint32 kYellow = 0x00FFFF;
constexpr quint32 kRed = 0x0000FF;

struct FindCase {
    const char* text;
    const char* name;
    const char* expected;
};

TEST(FindSection, Cases) {
    const FindCase cases[] = {
        {"x[@a]\r\nhello\r\n[@b]\r\nbye", "", "[@a]\r\nhello\r\n"},
        {"[@a]\r\nhello\r\n[@b]\r\nbye", "b", "[@b]\r\nbye"},
        {"[@main]\r\nx", "Main", ""},                           // exact match, case included
        {"[@a]\r\ntext [with] bracket", "a", "[@a]\r\ntext "},  // any "[" ends it
        {"[@a][b", "a", "[@a][b"},                              // the char after "]" is skipped
        {"[@a]x[b", "a", "[@a]x"},
        {"no labels", "", ""},
        {"[@open", "", ""},
        {"[@a[@b]c", "", "[@a[@b]c"},  // the first "[@" takes the first "]"
        {"[@a[@b]c", "b", "[@b]c"},
        {"[@]x", "", "[@]x"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FindSection(c.text, c.name), QString(c.expected)) << c.text << " / " << c.name;
}

TEST(FindSection, FirstSectionMatchesCallingFindSectionInTurn) {
    const QString text = QStringLiteral("[@a]1[@b]2[@c]3[@b]4");
    const std::tuple<QStringList, int, QString> cases[] = {
        {{"x", "c", "b"}, 1, "[@c]3"},
        {{"b", "a"}, 0, "[@b]2"},
        {{"x", "y"}, -1, ""},
        {{"x", ""}, 1, "[@a]1"},
        {{}, -1, ""},
    };
    for (const auto& [names, index, section] : cases) {
        const auto [found, text2] = FindFirstSection(text, names);
        EXPECT_EQ(found, index) << names.join(',').toStdString();
        EXPECT_EQ(text2, section);
    }
}

struct SectionFixture {
    RecordingPrintTarget picture;
    RecordingList links;
    SectionPane pane{picture, &links};
};

TEST(SectionRender, HeaderSkippedLinksRecordedAndListed) {
    SectionFixture f;
    f.pane.RenderSectionText(QStringLiteral("[@main]\r\nab<Close/@exit>\\c"));
    EXPECT_EQ(f.picture.draws, (QList<Draw>{{"a", 0, 0, kWhite},
                                            {"b", 6, 0, kWhite},
                                            {"Close", 12, 0, kYellow},
                                            {"c", 0, 12, kWhite}}));
    ASSERT_EQ(f.pane.Links().LastIndex(), 1);
    EXPECT_EQ(f.pane.Links()[0], LinkRecord{});
    EXPECT_EQ(f.pane.Links()[1], (LinkRecord{"exit", 12, 0, 30, 12}));
    EXPECT_EQ(f.links.rows, QStringList{"Close"});
}

TEST(SectionRender, MarkupReading) {
    const std::pair<const char*, QList<Draw>> cases[] = {
        {"<abc>", {{"abc", 0, 0, kRed}}},
        {"<abc@x>", {{"abc", 0, 0, kRed}}},
        {"<abc/AUTOCOLOR=133>", {{"abc/AUTOCOLOR=133", 0, 0, kRed}}},
        {"a<b", {{"a", 0, 0, kWhite}, {"b", 6, 0, kWhite}}},     // unclosed "<" dropped
        {"[@x", {{"@", 0, 0, kWhite}, {"x", 6, 0, kWhite}}},     // unclosed header
        {"a\r\nb", {{"a", 0, 0, kWhite}, {"b", 6, 0, kWhite}}},  // line ends removed
        {"#IF\r\n#say\r\nx", {{"x", 0, 0, kWhite}}},             // the exact pair vanishes
        {"#IF\r\n#SAY",
         {{"#", 0, 0, kWhite},
          {"I", 6, 0, kWhite},
          {"F", 12, 0, kWhite},
          {"#", 18, 0, kWhite},
          {"S", 24, 0, kWhite},
          {"A", 30, 0, kWhite},
          {"Y", 36, 0, kWhite}}},
        {"[@m]\\x", {{"x", 0, 0, kWhite}}},  // a backslash right after the header is swallowed
        {"[@m]\r\n\\x", {{"x", 0, 0, kWhite}}},
        {"[@m]y\\x", {{"y", 0, 0, kWhite}, {"x", 0, 12, kWhite}}},
    };
    for (const auto& [text, draws] : cases) {
        SectionFixture f;
        f.picture.foreColor = kWhite;
        f.pane.RenderSectionText(text);
        EXPECT_EQ(f.picture.draws, draws) << text;
    }
}

TEST(SectionRender, EmptyTextOnlyClears) {
    SectionFixture f;
    f.pane.RenderSectionText(QStringLiteral("[@a]<x/@b>"));
    f.pane.RenderSectionText(QString());
    EXPECT_EQ(f.picture.clsCount, 2);
    EXPECT_TRUE(f.picture.draws.isEmpty());
    EXPECT_EQ(f.pane.Links().LastIndex(), 0);
}

TEST(SectionRender, UnclosedTagsStayLinear) {
    SectionFixture f;
    const QString text = QStringLiteral("[@a]") + QString(200000, QLatin1Char('<')) +
                         QString(200000, QLatin1Char('['));
    f.pane.RenderSectionText(text);
    EXPECT_EQ(f.picture.draws.size(), 200000);  // every "[" without "@" is printed
    EXPECT_EQ(FindSection(QString(200000, QLatin1Char('[')).replace(1, 1, "@"), "x"), QString());
}

TEST(Navigation, FollowsTheFirstLinkWhoseSectionExists) {
    SectionFixture f;
    const QString script = QStringLiteral(
        "[@main]\r\n<A/@none><B/@two><C/@three>[@two]\r\nsecond<back/@main>[@three]");
    f.pane.RenderSectionText(FindSection(script, QString()));
    EXPECT_EQ(f.links.rows, (QStringList{"A", "B", "C"}));
    FollowFirstLink(f.pane, script, f.links);
    EXPECT_EQ(f.picture.Visible(), "secondback");
    EXPECT_EQ(f.links.rows, QStringList{"back"});
    EXPECT_EQ(f.links.clearCount, 1);
    FollowFirstLink(f.pane, script, f.links);  // and back along the first link
    EXPECT_EQ(f.links.rows, (QStringList{"A", "B", "C"}));
}

TEST(Navigation, NoTargetFoundEmptiesTheListAndKeepsThePicture) {
    SectionFixture f;
    f.pane.RenderSectionText(QStringLiteral("[@main]<x/@Main>"));
    const int clears = f.picture.clsCount;
    FollowFirstLink(f.pane, QStringLiteral("[@main]<x/@Main>"), f.links);
    EXPECT_TRUE(f.links.rows.isEmpty());
    EXPECT_EQ(f.picture.clsCount, clears);
    EXPECT_EQ(f.picture.Visible(), "x");
}

}  // namespace
