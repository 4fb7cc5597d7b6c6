#include <gtest/gtest.h>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTest>
#include <QTextCursor>

#include "TextBox.h"

namespace {

TEST(TextBox, ProgramWritesReadBackExactly) {
    TextBox box;
    QSignalSpy changes(&box, &TextBox::Change);
    for (const QString& text : {QString("a\r\nb"), QString("lone\rcr"), QString("lone\nlf"),
                                QString("\r\n\r\n"), QString("end\r"), QString("\u2029x\u2028"),
                                QString("a\uFDD0b\uFDD1c"), QString("中文\r\n"), QString()}) {
        box.SetText(text);
        EXPECT_EQ(box.Text(), text);
    }
    EXPECT_EQ(changes.count(), 9);  // every write raises Change, even an unchanged one
}

TEST(TextBox, TextStopsAtNul) {
    TextBox box;
    box.SetText(QStringLiteral("abc") + QChar(0) + QStringLiteral("def"));
    EXPECT_EQ(box.Text(), "abc");
}

TEST(TextBox, UserEditsKeepCrLfAndLoneBreaks) {
    TextBox box;
    box.SetText("a\rb\r\nc\nd");
    QSignalSpy changes(&box, &TextBox::Change);
    box.setFocus();
    box.moveCursor(QTextCursor::End);
    QTest::keyClick(&box, Qt::Key_Return);
    QTest::keyClicks(&box, "e");
    EXPECT_EQ(box.Text(), "a\rb\r\nc\nd\r\ne");
    box.moveCursor(QTextCursor::Start);
    QTest::keyClick(&box, Qt::Key_Delete);  // removes "a"
    QTest::keyClick(&box, Qt::Key_Delete);  // removes the lone CR
    EXPECT_EQ(box.Text(), "b\r\nc\nd\r\ne");
    box.moveCursor(QTextCursor::EndOfBlock);
    QTest::keyClick(&box, Qt::Key_Delete);  // joins the first two lines
    EXPECT_EQ(box.Text(), "bc\nd\r\ne");
    QTest::keyClick(&box, Qt::Key_Return, Qt::ShiftModifier);  // a plain line break too
    EXPECT_EQ(box.Text(), "b\r\nc\nd\r\ne");
    EXPECT_EQ(changes.count(), 6);
}

// Random edits through the document, including select-all replacement and undo, keep the text
// and what is shown in step.
TEST(TextBox, RandomEditsStayInStepWithTheDocument) {
    TextBox box;
    box.SetText(QStringLiteral("one\r\ntwo\rthree\nfour\uFDD0\u2028\r\n"));
    QRandomGenerator random(7);
    const QStringList inserts = {"x", "\n", "ab\ncd", "", "中", "\n\n"};
    for (int step = 0; step < 300; ++step) {
        QTextCursor cursor(box.document());
        const int size = box.document()->characterCount() - 1;
        const int a = random.bounded(size + 1);
        const int b = random.bounded(size + 1);
        cursor.setPosition(a);
        cursor.setPosition(b, QTextCursor::KeepAnchor);
        switch (random.bounded(4)) {
            case 0:
                box.undo();
                break;
            case 1:
                cursor.select(QTextCursor::Document);
                cursor.insertText(inserts[random.bounded(inserts.size())]);
                break;
            default:
                cursor.insertText(inserts[random.bounded(inserts.size())]);
        }
        QString shown = box.document()->toRawText();
        shown.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
        ASSERT_EQ(TextBox::ToDisplay(box.Text()), shown) << "step " << step;
    }
}

}  // namespace

namespace {

QString Shown(const TextBox& box) {
    QString shown = box.document()->toRawText();
    shown.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    return shown;
}

// A long text shows its first lines at once and the rest from the event loop; edits made in
// between, and undo, keep the text and the document in step.
TEST(TextBox, LongTextArrivesInSlicesAndEditsMeanwhileStayInStep) {
    QString text;
    for (int i = 0; i < 6000; ++i)
        text += QStringLiteral("line %1\r\n").arg(i);
    text += QStringLiteral("lone\rend");
    TextBox box;
    QSignalSpy changes(&box, &TextBox::Change);
    box.SetText(text);
    EXPECT_EQ(box.Text(), text);
    EXPECT_EQ(changes.count(), 1);
    ASSERT_TRUE(box.IsLoading());
    EXPECT_LT(box.document()->blockCount(), 6000);

    QTextCursor cursor(box.document());
    cursor.insertText(QStringLiteral("head\n"));
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(QStringLiteral("tail"));  // the end of what is shown so far
    box.undo();  // while loading there is nothing to undo: no slice can be taken back
    QString expected = text;
    expected.prepend(QStringLiteral("head\r\n"));
    expected.replace(QStringLiteral("line 1000\r\n"), QStringLiteral("tailline 1000\r\n"));
    EXPECT_EQ(box.Text(), expected);

    QTRY_VERIFY(!box.IsLoading());
    EXPECT_EQ(Shown(box), TextBox::ToDisplay(box.Text()));
    EXPECT_EQ(box.document()->blockCount(), 6002);
    EXPECT_EQ(changes.count(), 3);  // the two edits; loading raises nothing

    // Once whole, edits are undoable again; so they are after a short text replaced a long one
    // that was still arriving.
    box.moveCursor(QTextCursor::End);
    box.insertPlainText(QStringLiteral("!"));
    box.undo();
    EXPECT_EQ(box.Text(), expected);
    box.SetText(text);
    ASSERT_TRUE(box.IsLoading());
    box.SetText(QStringLiteral("short"));
    box.moveCursor(QTextCursor::End);
    box.insertPlainText(QStringLiteral("!"));
    box.undo();
    EXPECT_EQ(box.Text(), QStringLiteral("short"));
    EXPECT_FALSE(box.IsLoading());
}

}  // namespace
