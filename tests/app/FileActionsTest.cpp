#include "FileActions.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "Clock.h"
#include "FileDialogStub.h"
#include "MessageBoxRecorder.h"
#include "TextBox.h"

namespace {

const QString kSaveMessage = QStringLiteral("确定取消保存？");

class FileActionsTest : public ::testing::Test {
protected:
    void SetUp() override {
        Clock::UseManualTime(1000);
        ASSERT_TRUE(m_dir.isValid());
        m_editor.SetText(QStringLiteral("编辑器原文"));
    }
    void TearDown() override { Clock::UseSystemTime(); }

    QString PathOf(const char* name) const { return m_dir.filePath(QString::fromUtf8(name)); }

    void WriteBytes(const QString& path, const QByteArray& bytes) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_EQ(file.write(bytes), bytes.size());
    }
    QByteArray ReadBytes(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
    }

    QTemporaryDir m_dir;
    TextBox m_editor;
    MessageBoxRecorder m_messages;
};

TEST_F(FileActionsTest, DialogsGetTheirArguments) {
    FileDialogStub stub;
    OpenIntoEditor(m_editor);
    SaveFromEditor(m_editor);
    ASSERT_EQ(stub.requests().size(), 2);
    const FileDialog::Request& open = stub.requests()[0];
    EXPECT_FALSE(open.save);
    EXPECT_EQ(open.title, "请选择文件");
    EXPECT_EQ(open.filter, "文本文件 (*.txt)|*.txt|所有文件 (*.*)|*.*");
    EXPECT_EQ(open.initialName, "");
    const FileDialog::Request& save = stub.requests()[1];
    EXPECT_TRUE(save.save);
    EXPECT_EQ(save.title, "保存文件到");
    EXPECT_EQ(save.filter, "*.txt");
    EXPECT_EQ(save.initialName, "未命名.txt");
    for (const FileDialog::Request& r : stub.requests()) {
        EXPECT_EQ(r.defaultExtension, "");
        EXPECT_EQ(r.initialDirectory, "");
    }
}

// Each save adds one CR LF that the next open reads back as part of the text.
TEST_F(FileActionsTest, SaveAndOpenAgainAddsOneLineBreakEachTime) {
    const QString path = PathOf("脚本.txt");
    const QString text = QStringLiteral("[@main]\r\n勇者，欢迎！<a/@b>");
    m_editor.SetText(text);
    FileDialogStub stub({path, path, path, path});
    QSignalSpy changes(&m_editor, &TextBox::Change);

    SaveFromEditor(m_editor);
    EXPECT_EQ(ReadBytes(path).left(9), "[@main]\r\n");
    EXPECT_TRUE(ReadBytes(path).endsWith("\xBB\xB6\xD3\xAD\xA3\xA1<a/@b>\r\n"));  // 欢迎！
    OpenIntoEditor(m_editor);
    EXPECT_EQ(m_editor.Text(), text + "\r\n");
    SaveFromEditor(m_editor);
    OpenIntoEditor(m_editor);
    EXPECT_EQ(m_editor.Text(), text + "\r\n\r\n");
    EXPECT_EQ(changes.count(), 2);
    EXPECT_TRUE(m_messages.records().isEmpty());
}

TEST_F(FileActionsTest, SaveWritesQuestionMarksForWhatGbkLacks) {
    const QString path = PathOf("a.txt");
    m_editor.SetText(QStringLiteral("a\u0E01b😀中"));
    FileDialogStub stub({path});
    SaveFromEditor(m_editor);
    EXPECT_EQ(ReadBytes(path), "a?b?\xD6\xD0\r\n");
}

// The bytes are read as GBK whatever they are: no other encoding is detected, and the text stops
// at a zero byte.
TEST_F(FileActionsTest, OpenShowsTheBytesAsGbk) {
    const std::vector<std::pair<QByteArray, QString>> cases = {
        {QByteArray("abc\0def", 7), "abc"},
        {"\xEF\xBB\xBF\xE4\xB8\xAD"
         "a",
         QStringLiteral("锘夸腑a")},     // UTF-8 "中a" with BOM
        {QByteArray("A\0B\0", 4), "A"},  // UTF-16 "AB"
        {"\x4E\x2D", "N-"},              // UTF-16BE "中"
        {"", ""},
    };
    const QString path = PathOf("in.txt");
    for (const auto& [bytes, text] : cases) {
        WriteBytes(path, bytes);
        FileDialogStub stub({path});
        QSignalSpy changes(&m_editor, &TextBox::Change);
        OpenIntoEditor(m_editor);
        EXPECT_EQ(m_editor.Text(), text) << bytes.toHex().toStdString();
        EXPECT_EQ(changes.count(), 1);
    }
}

// Cancelling or a name that cannot be read ends the open silently, the editor as it was.
TEST_F(FileActionsTest, OpenThatFailsLeavesTheEditorAlone) {
    QDir(m_dir.path()).mkdir("folder");
    for (const QString& answer : {QString(), PathOf("no/such/file.txt"), PathOf("folder")}) {
        FileDialogStub stub({answer});
        QSignalSpy changes(&m_editor, &TextBox::Change);
        OpenIntoEditor(m_editor);
        EXPECT_EQ(m_editor.Text(), "编辑器原文") << answer.toStdString();
        EXPECT_EQ(changes.count(), 0);
    }
    EXPECT_TRUE(m_messages.records().isEmpty());
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
              QStringList{"folder"});
}

// The open dialog names a missing file only once the user agreed to create it.
TEST_F(FileActionsTest, OpenOfANewNameCreatesAnEmptyFile) {
    FileDialogStub stub({PathOf("new.txt")});
    QSignalSpy changes(&m_editor, &TextBox::Change);
    OpenIntoEditor(m_editor);
    EXPECT_EQ(m_editor.Text(), "");
    EXPECT_EQ(changes.count(), 1);
    EXPECT_EQ(QFileInfo(PathOf("new.txt")).size(), 0);
}

// A cancelled or failed save says so once and changes no file and not the editor.
TEST_F(FileActionsTest, SaveThatFailsShowsTheMessageAndKeepsTheOldFile) {
    const QString old = PathOf("old.txt");
    WriteBytes(old, "old\r\n");
    QDir(m_dir.path()).mkdir("folder");
    for (const QString& answer : {QString(), PathOf("no/such/file.txt"), PathOf("folder")}) {
        FileDialogStub stub({answer});
        QSignalSpy changes(&m_editor, &TextBox::Change);
        m_messages.clear();
        SaveFromEditor(m_editor);
        ASSERT_EQ(m_messages.records().size(), 1) << answer.toStdString();
        EXPECT_EQ(m_messages.records()[0].text, kSaveMessage);
        EXPECT_EQ(m_messages.records()[0].caption, "Veltrane");
        EXPECT_EQ(m_messages.records()[0].icon, MessageBox::Icon::None);
        EXPECT_EQ(m_editor.Text(), "编辑器原文");
        EXPECT_EQ(changes.count(), 0);
    }
    EXPECT_EQ(ReadBytes(old), "old\r\n");
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              (QStringList{"folder", "old.txt"}));
    EXPECT_TRUE(QDir(PathOf("folder")).isEmpty());
}

}  // namespace
