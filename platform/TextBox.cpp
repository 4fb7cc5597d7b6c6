#include "TextBox.h"

#include <QKeyEvent>
#include <QMimeData>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTimer>

#include "PropertyBag.h"
#include "WidgetProperties.h"

namespace {

constexpr QChar kCrSymbol(0x240D);
constexpr QChar kLfSymbol(0x240A);
constexpr QChar kNewlineSymbol(0x2424);

// Characters the document would turn into a line or frame break of its own.
bool IsDocumentBreak(QChar ch) {
    return ch == QChar::LineSeparator || ch == QChar::ParagraphSeparator || ch == QChar(0xFDD0) ||
           ch == QChar(0xFDD1);
}

// Lines shown at once, and lines appended at a time after them: each costs a few milliseconds.
constexpr int kFirstLines = 1000;
constexpr int kSliceLines = 2000;

// The index just past the given number of line breaks of display from `from` on, or its end.
qsizetype AfterLines(const QString& display, qsizetype from, int lines) {
    qsizetype at = from;
    for (int n = 0; n < lines; ++n) {
        at = display.indexOf(QLatin1Char('\n'), at);
        if (at < 0) return display.size();
        ++at;
    }
    return at;
}

bool IsCrLfAt(const QString& text, qsizetype i) {
    return i + 1 < text.size() && text[i] == QLatin1Char('\r') && text[i + 1] == QLatin1Char('\n');
}

}  // namespace

TextBox::TextBox(QWidget* parent) : QPlainTextEdit(parent), m_loadTimer(new QTimer(this)) {
    connect(document(), &QTextDocument::contentsChange, this, &TextBox::OnContentsChange);
    connect(document(), &QTextDocument::contentsChanged, this, &TextBox::OnContentsChanged);
    m_loadTimer->setInterval(0);
    connect(m_loadTimer, &QTimer::timeout, this, &TextBox::LoadSlice);
}

QString TextBox::ToDisplay(const QString& text) {
    // Every character of the text maps to one character of the document, except a CR LF pair,
    // which maps to one paragraph break. That keeps positions easy to translate both ways.
    QString display;
    display.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar ch = text[i];
        if (IsCrLfAt(text, i)) {
            display += QLatin1Char('\n');
            ++i;
        } else if (ch == QLatin1Char('\r')) {
            display += kCrSymbol;
        } else if (ch == QLatin1Char('\n')) {
            display += kLfSymbol;
        } else if (IsDocumentBreak(ch)) {
            display += kNewlineSymbol;
        } else {
            display += ch;
        }
    }
    return display;
}

void TextBox::SetText(const QString& text) {
    const qsizetype nul = text.indexOf(QChar(0));
    m_text = nul < 0 ? text : text.left(nul);
    m_pendingDisplay = ToDisplay(m_text);
    m_pendingFrom = AfterLines(m_pendingDisplay, 0, kFirstLines);
    m_programWrite = true;
    setPlainText(m_pendingDisplay.left(m_pendingFrom));
    m_programWrite = false;
    m_changePending = false;
    if (IsLoading()) {
        // Appending the rest must not become steps of the user's undo history.
        document()->setUndoRedoEnabled(false);
        m_loadTimer->start();
    } else {
        m_pendingDisplay.clear();
        m_pendingFrom = 0;
        m_loadTimer->stop();
        document()->setUndoRedoEnabled(true);  // a long text may still have been loading
    }
    emit Change();
}

void TextBox::LoadSlice() {
    if (!IsLoading()) return;
    const qsizetype end = AfterLines(m_pendingDisplay, m_pendingFrom, kSliceLines);
    QTextCursor cursor(document());
    cursor.movePosition(QTextCursor::End);
    m_programWrite = true;
    cursor.insertText(
        QStringView(m_pendingDisplay).mid(m_pendingFrom, end - m_pendingFrom).toString());
    m_programWrite = false;
    m_pendingFrom = end;
    if (IsLoading()) return;
    m_loadTimer->stop();
    m_pendingDisplay.clear();
    m_pendingFrom = 0;
    document()->setUndoRedoEnabled(true);
}

void TextBox::FinishLoading() {
    while (IsLoading())
        LoadSlice();
}

void TextBox::ReadProperties(const PropertyBag& bag) {
    WidgetProperties::ReadCommon(this, bag, QPalette::Text, QPalette::Base);
    const int bars = bag.Read<int>(QStringLiteral("ScrollBars"), 0);
    SetScrollBars(bars >= 0 && bars <= 3 ? ScrollBars(bars) : ScrollBars::None);
    setReadOnly(bag.Read<bool>(QStringLiteral("Locked"), false));
    SetText(bag.Read<QString>(QStringLiteral("Text"), QString()));
}

void TextBox::SetScrollBars(ScrollBars bars) {
    const bool horizontal = bars == ScrollBars::Horizontal || bars == ScrollBars::Both;
    const bool vertical = bars == ScrollBars::Vertical || bars == ScrollBars::Both;
    setLineWrapMode(horizontal ? QPlainTextEdit::NoWrap : QPlainTextEdit::WidgetWidth);
    setHorizontalScrollBarPolicy(horizontal ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(vertical ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
}

qsizetype TextBox::TextIndexOf(int documentPosition) const {
    // Each paragraph break before the position stands for one CR LF, two characters of the text.
    const int blockNumber = document()->findBlock(documentPosition).blockNumber();
    return qMin<qsizetype>(qsizetype(documentPosition) + qMax(blockNumber, 0), m_text.size());
}

qsizetype TextBox::SkipDocumentChars(qsizetype textIndex, int count) const {
    qsizetype i = textIndex;
    for (int n = 0; n < count && i < m_text.size(); ++n)
        i += IsCrLfAt(m_text, i) ? 2 : 1;
    return i;
}

QString TextBox::InsertedText(int position, int added) const {
    // The document always ends with an implicit paragraph break that is not part of the text.
    const int end = qMin(position + added, document()->characterCount() - 1);
    if (end <= position) return QString();
    QTextCursor cursor(document());
    cursor.setPosition(position);
    cursor.setPosition(end, QTextCursor::KeepAnchor);
    QString inserted = cursor.selectedText();
    inserted.replace(QChar::ParagraphSeparator, QStringLiteral("\r\n"));
    return inserted;
}

void TextBox::OnContentsChange(int position, int removed, int added) {
    if (m_programWrite) return;
    const qsizetype start = TextIndexOf(position);
    const qsizetype end = SkipDocumentChars(start, removed);
    m_text.replace(start, end - start, InsertedText(position, added));
    m_changePending = true;
}

void TextBox::OnContentsChanged() {
    // Raised once the document has finished the edit, so handlers see a settled editor.
    if (!m_changePending) return;
    m_changePending = false;
    emit Change();
}

void TextBox::keyPressEvent(QKeyEvent* event) {
    // Shift+Enter would insert a soft line break, which the text has no form for.
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        (event->modifiers() & Qt::ShiftModifier)) {
        QKeyEvent plain(event->type(), event->key(), event->modifiers() & ~Qt::ShiftModifier,
                        event->text());
        QPlainTextEdit::keyPressEvent(&plain);
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void TextBox::insertFromMimeData(const QMimeData* source) {
    if (!source || !source->hasText()) return;
    // Pasted line ends of any kind become line breaks of the text.
    QString text = source->text();
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    text.replace(QChar::LineSeparator, QLatin1Char('\n'));
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    const qsizetype nul = text.indexOf(QChar(0));
    if (nul >= 0) text.truncate(nul);
    textCursor().insertText(text);
}
