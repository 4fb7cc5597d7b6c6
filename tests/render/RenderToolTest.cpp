#include <gtest/gtest.h>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include "CodePage.h"

namespace {

struct Result {
    int exitCode = -1;
    QStringList lines;
    QString errors;
};

class RenderToolTest : public testing::Test {
protected:
    QString Write(const QString& text) {
        const QString path = m_dir.filePath(QStringLiteral("script%1.txt").arg(m_files++));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(CodePage::FromUnicode(text));
        return path;
    }
    static Result Run(const QStringList& arguments) {
        QProcess process;
        process.start(QStringLiteral(VELTRANE_RENDER_PATH), arguments);
        EXPECT_TRUE(process.waitForFinished(30000));
        Result result;
        result.exitCode = process.exitCode();
        const QString out = QString::fromUtf8(process.readAllStandardOutput());
        result.lines = out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        result.errors = QString::fromUtf8(process.readAllStandardError());
        return result;
    }
    QTemporaryDir m_dir;
    int m_files = 0;
};

TEST_F(RenderToolTest, ClassicEventsInOrderThenASelectedSection) {
    const QString file = Write("[@a]\r\n<x/@b>y\\z\r\n<t/AUTOCOLOR=0>\r\n[@中]\r\nq");
    const Result r = Run({"classic", file, "--select", "1"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.lines, (QStringList{"list List1", "row List1 a", "row List1 中", "clear",
                                    "text 12 12 00E7F7 x", "text 18 12 FFFFFF y",
                                    "text 12 28 FFFFFF z", "text 18 28 0000FF t",
                                    "message “AUTOCOLOR或SCOLOR”没有输入颜色代码！请输入颜色代码！"
                                    "否则显示默认颜色。",
                                    "clear", "text 12 12 FFFFFF q"}));
}

TEST_F(RenderToolTest, NoticeLinesAndTitleLabelLines) {
    const Result notice = Run({"notice", Write("a\r\n\r\n中")});
    EXPECT_EQ(notice.exitCode, 0);
    EXPECT_EQ(notice.lines, (QStringList{"clear", "text 14 12 FFFFFF a", "text 14 36 FFFFFF 中"}));

    const QString png = m_dir.filePath("title.png");
    const Result title = Run({"title", Write("\\<★号令天下☆>\\B"), "--png", png});
    EXPECT_EQ(title.exitCode, 0);
    EXPECT_EQ(title.lines, (QStringList{"label ", "label <★号令天下☆>", "label B"}));
    EXPECT_EQ(QImage(png).size(), QSize(321, 377));

    const Result plain = Run({"title", Write("AB")});
    EXPECT_EQ(plain.lines, (QStringList{"message 没有符号\\"}));
}

TEST_F(RenderToolTest, DragonLinksAndFollow) {
    const QString file = Write("[@main]\r\nhi<Go/@next>\r\n[@next]\r\n<Back/@main>");
    const Result r = Run({"dragon", file, "--follow", "1"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(
        r.lines,
        (QStringList{"list List3", "clear", "text 20 20 FFFFFF h", "text 26 20 FFFFFF i",
                     "link next 12 0 12 12", "text 32 20 00FFFF Go", "row List3 Go", "list List3",
                     "clear", "link main 0 0 24 12", "text 20 20 00FFFF Back", "row List3 Back"}));
}

// A backslash inside a tag breaks the one print of the tag's text; what follows goes on after
// its last line.
TEST_F(RenderToolTest, TextAfterABrokenTagFollowsItsLastLine) {
    const Result r = Run({"dragon", Write("[@main]\r\nx<ab\\cd/@t>Z")});
    EXPECT_EQ(r.exitCode, 0);
    ASSERT_EQ(r.lines.size(), 7) << r.lines.join('\n').toStdString();
    EXPECT_EQ(r.lines[2], "text 20 20 FFFFFF x");
    EXPECT_TRUE(r.lines[3].startsWith("link t 6 0 ")) << r.lines[3].toStdString();
    EXPECT_TRUE(r.lines[3].endsWith(" 24")) << r.lines[3].toStdString();  // two lines high
    EXPECT_EQ(r.lines[4], "text 26 20 00FFFF ab\\r\\ncd");
    EXPECT_EQ(r.lines[5], "row List3 ab\\r\\ncd");
    EXPECT_EQ(r.lines[6], "text 32 32 FFFFFF Z");
}

TEST_F(RenderToolTest, TaskPanesShareTheirLinkList) {
    const QString file = Write("[@main]\r\n<A/@x>\\<B/@y>");
    const Result r = Run({"task-desc", file});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.lines,
              (QStringList{"clear", "link x 0 0 6 12", "text 25 220 00FFFF A", "link y 0 12 6 12",
                           "text 25 232 00FFFF B", "list List4", "row List4 A", "row List4 B"}));
}

TEST_F(RenderToolTest, PngShowsThePreview) {
    const QString png = m_dir.filePath("out.png");
    const Result r = Run({"large", Write("[@a]\r\nhello"), "--png", png});
    EXPECT_EQ(r.exitCode, 0);
    const QImage image(png);
    EXPECT_EQ(image.size(), QSize(401, 347));
    // White text at the pen's start.
    bool white = false;
    for (int y = 12; y < 24; ++y)
        for (int x = 12; x < 18; ++x)
            white |= (image.pixel(x, y) & 0xFFFFFF) == 0xFFFFFF;
    EXPECT_TRUE(white);
}

TEST_F(RenderToolTest, BadArgumentsAndUnreadableFiles) {
    const QString file = Write("[@a]");
    const std::pair<QStringList, int> cases[] = {
        {{}, 2},
        {{"classic"}, 2},
        {{"sideways", file}, 2},
        {{"classic", file, "--select"}, 2},
        {{"classic", file, "--select", "x"}, 2},
        {{"classic", file, "--follow", "1"}, 2},
        {{"classic", file, "--bogus", "1"}, 2},
        {{"classic", m_dir.filePath("missing.txt")}, 1},
        {{"dragon", m_dir.path()}, 1},
    };
    for (const auto& [arguments, code] : cases) {
        const Result r = Run(arguments);
        EXPECT_EQ(r.exitCode, code) << arguments.join(' ').toStdString();
        EXPECT_TRUE(r.lines.isEmpty());
        if (code == 2) {
            EXPECT_TRUE(r.errors.contains("usage: veltrane-render")) << r.errors.toStdString();
        }
    }
}

}  // namespace
