#include <gtest/gtest.h>

#include "ClassicPane.h"
#include "RecordingList.h"
#include "RecordingMessages.h"
#include "RecordingPrintTarget.h"

namespace {

using Draw = RecordingPrintTarget::Draw;
constexpr quint32 kWhite = 0xFFFFFF;

struct RenderFixture {
    RecordingPrintTarget picture;
    RecordingList list;
    RecordingMessages messages;
    ClassicPane pane{picture, list, messages};

    QString Render(const QStringList& script, int section = 0) {
        pane.ParseScript(script.join(QStringLiteral("\r\n")));
        if (section != 0) pane.RenderSection(section);
        return picture.Visible();
    }
};

TEST(ClassicRender, SectionBodyEndsAtTheNextLabel) {
    RenderFixture f;
    EXPECT_EQ(f.Render({"[@a]", "one", "[@b]", "two", "three"}), "one");
    EXPECT_EQ(f.Render({"[@a]", "one", "[@b]", "two", "three"}, 1), "twothree");
    EXPECT_EQ(f.Render({"[@a]", "[@b]", "x"}), "");  // empty body: only the background
    EXPECT_EQ(f.picture.clsCount, 4);
}

TEST(ClassicRender, LabelInsideTextEndsTheSectionThere) {
    RenderFixture f;
    EXPECT_EQ(f.Render({"[@a]", "one", "see [@b] here", "two"}), "one");
}

TEST(ClassicRender, ScriptLinesContinueUntilABackslash) {
    RenderFixture f;
    f.Render({"[@a]", "ab", "c\\", "d"});
    EXPECT_EQ(f.picture.draws, (QList<Draw>{{"a", 12, 12, kWhite},
                                            {"b", 18, 12, kWhite},
                                            {"c", 24, 12, kWhite},
                                            {"d", 12, 28, kWhite}}));
}

TEST(ClassicRender, GotoDrawsTheTargetFromScratch) {
    RenderFixture f;
    EXPECT_EQ(f.Render({"[@a]", "before", "goto @B", "after", "[@b]", "target"}), "target");
    EXPECT_EQ(f.picture.draws.first(), (Draw{"t", 12, 12, kWhite}));
    EXPECT_EQ(f.picture.clsCount, 2);
}

TEST(ClassicRender, GotoNamesMatchIgnoringCaseFirstMatchWins) {
    RenderFixture f;
    EXPECT_EQ(f.Render({"[@a]", "GOTO @MAIN", "[@main]", "first", "[@Main]", "second"}), "first");
}

TEST(ClassicRender, GotoToAnUnknownNameIsIgnored) {
    RenderFixture f;
    // Text after the name is part of the name, so this matches nothing either.
    EXPECT_EQ(f.Render({"[@a]", "x", "GOTO @nowhere", "GOTO @b c", "y", "[@b]", "z"}), "xy");
}

// A jump back into the current chain of jumps is ignored like an unknown name.
TEST(ClassicRender, GotoCyclesEnd) {
    RenderFixture f;
    EXPECT_EQ(f.Render({"[@a]", "x", "GOTO @a", "y"}), "xy");
    EXPECT_EQ(f.Render({"[@a]", "GOTO @b", "[@b]", "p", "GOTO @c", "[@c]", "q", "GOTO @a", "r"}),
              "qr");
    EXPECT_EQ(f.picture.clsCount, 1 + 3);
    // Each render starts a chain of its own: from c, the jump to a is followed, and a's jump to
    // b leads to c again, which ends that chain.
    f.pane.RenderSection(2);
    EXPECT_EQ(f.picture.Visible(), "p");
}

TEST(ClassicRender, GotoReachesSectionsPastTheFirstHundred) {
    RenderFixture f;
    QStringList script{"[@start]", "GOTO @s120"};
    for (int i = 0; i < 150; ++i)
        script << QStringLiteral("[@s%1]").arg(i) << QString::number(i);
    EXPECT_EQ(f.Render(script), "120");
}

TEST(ClassicRender, LongChainsOfJumpsDoNotRecurse) {
    RenderFixture f;
    QStringList script;
    const int count = 20000;
    for (int i = 0; i < count; ++i)
        script << QStringLiteral("[@s%1]").arg(i) << QStringLiteral("GOTO @s%1").arg(i + 1);
    script << QStringLiteral("[@s%1]").arg(count) << "end";
    EXPECT_EQ(f.Render(script), "end");
}

TEST(ClassicRender, SectionNumbersOutOfRangeDrawNothing) {
    RenderFixture f;
    f.Render({"[@a]", "x"});
    for (int k : {-1, 1, 100})
        f.pane.RenderSection(k);
    EXPECT_EQ(f.picture.clsCount, 1);
}

}  // namespace
