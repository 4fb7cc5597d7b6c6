#include <gtest/gtest.h>

#include "ClassicPane.h"
#include "RecordingList.h"
#include "RecordingMessages.h"
#include "RecordingPrintTarget.h"

namespace {

QString Lines(const QStringList& lines) {
    return lines.join(QStringLiteral("\r\n"));
}

struct ParseFixture {
    RecordingPrintTarget picture;
    RecordingList list;
    RecordingMessages messages;
    ClassicPane pane{picture, list, messages};

    QStringList Stored() const {
        QStringList stored;
        for (QStringView line : pane.State().ScriptLines)
            stored.append(line.toString());
        return stored;
    }
};

struct ClassifyCase {
    const char* name;
    QStringList script;
    QStringList expected;  // ScriptLines after the parse
};

class ClassifyTest : public testing::TestWithParam<ClassifyCase> {};

TEST_P(ClassifyTest, BlanksWhatADialogueNeverShows) {
    ParseFixture f;
    f.pane.ParseScript(Lines(GetParam().script));
    EXPECT_EQ(f.Stored(), GetParam().expected);
}

// Each script starts with a label so the state of the block flag is known.
INSTANTIATE_TEST_SUITE_P(
    Rules, ClassifyTest,
    testing::Values(
        ClassifyCase{"LabelTrimmedAndKept", {"  [@main]  ", "hi"}, {"[@main]", "hi"}},
        ClassifyCase{"TabIsNotTrimmed", {"\t[@main]", "hi"}, {"\t[@main]", "hi"}},
        ClassifyCase{"FullWidthSpaceStays", {"[@m]", "\u3000hi "}, {"[@m]", "\u3000hi"}},
        ClassifyCase{"BlockLinesBlanked",
                     {"[@m]", "#IF", "checkgold 10", "#ACT", "take 1", "#SAY", "hello"},
                     {"[@m]", "", "", "", "", "", "hello"}},
        ClassifyCase{
            "LowerCaseIf", {"[@m]", "#if", "cond", "#say", "x"}, {"[@m]", "", "", "", "x"}},
        ClassifyCase{"ElseActKeepsBlockFlag",
                     {"[@m]", "#IF", "#ACT", "#SAY", "#ELSEACT", "after"},
                     {"[@m]", "", "", "", "", "after"}},
        ClassifyCase{
            "ElseActInsideBlock", {"[@m]", "#ACT", "#ELSEACT", "cmd"}, {"[@m]", "", "", ""}},
        ClassifyCase{"BracesBlankAndEndBlock",
                     {"[@m]", "#ACT", "{", "x", "}", "y"},
                     {"[@m]", "", "", "x", "", "y"}},
        ClassifyCase{"BraceWithTextIsText", {"[@m]", "{ x"}, {"[@m]", "{ x"}},
        ClassifyCase{"RemarkBlankedUnclosedKept",
                     {"[@m]", "(note)", "(open", "("},
                     {"[@m]", "", "(open", "("}},
        ClassifyCase{"RemarkInsideBlockStays", {"[@m]", "#ACT", "(open"}, {"[@m]", "", "(open"}},
        ClassifyCase{"GotoSurvivesBlock",
                     {"[@m]", "#ACT", "goto @x", "GOTOxyz", "mov 1"},
                     {"[@m]", "", "goto @x", "GOTOxyz", ""}},
        ClassifyCase{"UnclosedLabelEndsBlock",
                     {"[@m]", "#ACT", "[@open", "text"},
                     {"[@m]", "", "[@open", "text"}},
        ClassifyCase{
            "BracketLineEndsBlock", {"[@m]", "#IF", "[x]", "text"}, {"[@m]", "", "[x]", "text"}}),
    [](const auto& info) { return info.param.name; });

TEST(ClassicParse, SectionsAreListedInOrderWithLabelLineIndices) {
    ParseFixture f;
    f.pane.ParseScript(Lines({"before", "[@main]", "x", "[@]", "[@main]", "y"}));
    const ClassicPaneState& s = f.pane.State();
    ASSERT_EQ(s.SectionCount, 3);
    EXPECT_EQ(f.list.rows, (QStringList{"main", "", "main"}));
    EXPECT_EQ(s.SectionStarts[0], 1);
    EXPECT_EQ(s.SectionStarts[1], 3);
    EXPECT_EQ(s.SectionStarts[2], 4);
    EXPECT_EQ(s.SectionStarts[3], 5);  // end marker: the last line
    EXPECT_EQ(f.picture.clsCount, 1);  // section 0 drawn
}

TEST(ClassicParse, TextWithoutSectionsLeavesThePictureAlone) {
    for (const QString& text : {QString(), QStringLiteral("hello\r\nworld")}) {
        ParseFixture f;
        f.list.rows = {"stale"};
        f.pane.ParseScript(text);
        EXPECT_EQ(f.pane.State().SectionCount, 0);
        EXPECT_TRUE(f.list.rows.isEmpty());
        EXPECT_EQ(f.picture.clsCount, 0);
    }
    ParseFixture f;
    f.pane.ParseScript(QString());
    EXPECT_TRUE(f.pane.State().ScriptLines.empty());
    EXPECT_EQ(f.pane.State().SectionStarts[0], -1);
}

TEST(ClassicParse, OnlyCrLfSplitsLines) {
    ParseFixture f;
    f.pane.ParseScript(QStringLiteral("[@a]\rb\nc\r\n"));
    EXPECT_EQ(f.Stored(), (QStringList{"[@a]\rb\nc", ""}));
    EXPECT_EQ(f.pane.State().SectionCount, 0);  // the line does not end with "]"
}

// 100 sections fill the tables as first sized; 150 make them grow. Every section is listed,
// reachable, and drawn from its own body.
TEST(ClassicParse, AnyNumberOfSections) {
    for (int count : {100, 150}) {
        ParseFixture f;
        QStringList script;
        for (int i = 0; i < count; ++i)
            script << QStringLiteral("[@s%1]").arg(i) << QString::number(i);
        f.pane.ParseScript(Lines(script));
        const ClassicPaneState& s = f.pane.State();
        ASSERT_EQ(s.SectionCount, count);
        EXPECT_EQ(f.list.rows.size(), count);
        EXPECT_EQ(f.list.rows.last(), QStringLiteral("s%1").arg(count - 1));
        EXPECT_EQ(s.SectionStarts[size_t(count)], 2 * count - 1);
        f.pane.RenderSection(count - 1);
        EXPECT_EQ(f.picture.Visible(), QString::number(count - 1));
        f.pane.RenderSection(count - 2);
        EXPECT_EQ(f.picture.Visible(), QString::number(count - 2));
    }
}

TEST(ClassicParse, ReparseReplacesEverything) {
    ParseFixture f;
    f.pane.ParseScript(Lines({"[@a]", "1", "[@b]", "2"}));
    f.pane.ParseScript(Lines({"[@c]", "3"}));
    EXPECT_EQ(f.pane.State().SectionCount, 1);
    EXPECT_EQ(f.list.rows, QStringList{"c"});
    EXPECT_EQ(f.picture.Visible(), "3");
}

}  // namespace
