#include <gtest/gtest.h>
#include <QTemporaryDir>

#include "CodePage.h"
#include "TextFile.h"

namespace {

TEST(CodePage, GbkBothWays) {
    const QString text = QStringLiteral("[@main]\r\n勇者，欢迎！<a/@b>");
    const QByteArray bytes = CodePage::FromUnicode(text);
    EXPECT_EQ(bytes.left(9), QByteArray("[@main]\r\n"));
    EXPECT_EQ(bytes.mid(9, 4), QByteArray("\xD3\xC2\xD5\xDF"));  // 勇者
    EXPECT_EQ(CodePage::ToUnicode(bytes), text);
}

TEST(CodePage, WhatGbkLacksBecomesQuestionMark) {
    EXPECT_EQ(CodePage::FromUnicode(QStringLiteral("a\u0E01b")), QByteArray("a?b"));
    EXPECT_EQ(CodePage::FromUnicode(QStringLiteral("😀")), QByteArray("?"));
}

TEST(CodePage, LoneLeadByteAtTheEndIsKept) {
    EXPECT_EQ(CodePage::ToUnicode(QByteArray("ab\xD6")), QStringLiteral("ab?"));
    EXPECT_EQ(CodePage::ToUnicode(QByteArray("\xD6\xD0")), QStringLiteral("中"));
}

TEST(TextFile, SaveAddsCrLfAndReadReturnsBytesAsText) {
    QTemporaryDir dir;
    const QString path = dir.filePath("script.txt");
    ASSERT_TRUE(TextFile::WriteAnsiLine(path, QStringLiteral("中\r\nx")));
    EXPECT_EQ(TextFile::ReadAnsi(path), QStringLiteral("中\r\nx\r\n"));
    EXPECT_FALSE(TextFile::ReadAnsi(dir.filePath("missing.txt")));
    EXPECT_FALSE(TextFile::ReadAnsi(QString()));
    EXPECT_FALSE(TextFile::WriteAnsiLine(dir.filePath("no/such/folder.txt"), "x"));
}

}  // namespace
