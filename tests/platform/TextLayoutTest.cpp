#include <gtest/gtest.h>

#include <QFont>

#include <climits>
#include <functional>
#include <string>

#include "Surface.h"
#include "SurfaceProbes.h"

using namespace Gdi;
using namespace SurfaceProbes;

TEST(SurfaceTextHelpers, StripPrefixes) {
    const struct {
        const char* in;
        const char* text;
        QList<int> underlined;
    } cases[] = {{"&Name", "Name", {0}}, {"a&&b", "a&b", {}},    {"ab&", "ab", {}},
                 {"&&&x", "&x", {1}},    {"&a&b", "ab", {0, 1}}, {"", "", {}}};
    for (const auto& c : cases) {
        const PrefixedText p = StripPrefixes(QString::fromUtf8(c.in));
        EXPECT_EQ(p.text, QString::fromUtf8(c.text)) << c.in;
        EXPECT_EQ(p.underlined, c.underlined) << c.in;
    }
}

TEST(SurfaceTextHelpers, WrapLineBreaksAtSpacesAndBetweenChineseCharacters) {
    auto measure = [](const QString& s) { return int(s.size()) * 6; };
    const struct {
        const char* line;
        int width;
        QStringList expected;
    } cases[] = {
        {"aaa bbb ccc", 45, {"aaa bbb", "ccc"}},
        {"aaa bbb ccc", 42, {"aaa bbb", "ccc"}},
        {"aaa   bbb", 24, {"aaa", "bbb"}},
        {"abcdefghij xy", 30, {"abcdefghij", "xy"}},
        {"中文字符测试", 18, {"中文字", "符测试"}},
        {"看ab cd", 18, {"看ab", "cd"}},
        {"", 10, {""}},
        {"abc", 0, {"abc"}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(WrapLine(QString::fromUtf8(c.line), c.width, measure), c.expected) << c.line;
    }
}
