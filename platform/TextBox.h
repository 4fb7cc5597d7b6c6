#pragma once

#include <QPlainTextEdit>
#include <QString>

// A multi-line text box. Its text is the whole text with CR LF line ends, exactly as written:
// what the program writes reads back unchanged, a lone CR or LF included, and user edits are
// applied to that text in place. Change is raised on every user edit and every program write.
class TextBox : public QPlainTextEdit {
    Q_OBJECT
public:
    enum class ScrollBars { None, Horizontal, Vertical, Both };

    explicit TextBox(QWidget* parent = nullptr);

    const QString& Text() const { return m_text; }
    // Replaces the whole text; like an edit control, it holds nothing after a NUL character.
    void SetText(const QString& text);

    // Without a horizontal scroll bar long lines wrap at the box's edge.
    void SetScrollBars(ScrollBars bars);

    // How the text is shown: CR LF pairs as line breaks, a lone CR or LF as a visible symbol.
    static QString ToDisplay(const QString& text);

signals:
    void Change();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;

private:
    void OnContentsChange(int position, int removed, int added);
    void OnContentsChanged();
    qsizetype TextIndexOf(int documentPosition) const;
    qsizetype SkipDocumentChars(qsizetype textIndex, int count) const;
    QString InsertedText(int position, int added) const;

    QString m_text;
    bool m_programWrite = false;
    bool m_changePending = false;
};
