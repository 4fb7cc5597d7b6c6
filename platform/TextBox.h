#pragma once

#include <QPlainTextEdit>
#include <QString>

class PropertyBag;
class QTimer;

// A multi-line text box. Its text is the whole text with CR LF line ends, exactly as written:
// what the program writes reads back unchanged, a lone CR or LF included, and user edits are
// applied to that text in place. Change is raised on every user edit and every program write.
//
// A long text is shown progressively: its first lines at once, the rest appended in slices
// from the event loop, so opening a large file costs what one screenful does. The text itself
// is whole from the start; edits made while the rest is still arriving land where they are
// made, since everything not yet shown lies after them.
class TextBox : public QPlainTextEdit {
    Q_OBJECT
public:
    enum class ScrollBars { None, Horizontal, Vertical, Both };

    explicit TextBox(QWidget* parent = nullptr);

    const QString& Text() const { return m_text; }
    // Replaces the whole text; like an edit control, it holds nothing after a NUL character.
    void SetText(const QString& text);

    // Shows the rest of a long text now rather than from the event loop.
    void FinishLoading();
    bool IsLoading() const { return m_pendingFrom < m_pendingDisplay.size(); }

    // Without a horizontal scroll bar long lines wrap at the box's edge.
    void SetScrollBars(ScrollBars bars);

    // The stored properties of a box placed on a window: "Text", "ScrollBars" (0 none,
    // 1 horizontal, 2 vertical, 3 both), "Locked", and the shared ones (font, colours, Enabled).
    void ReadProperties(const PropertyBag& bag);

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
    void LoadSlice();

    QString m_text;
    // What is still to be shown of a long text: m_pendingDisplay from m_pendingFrom on.
    QString m_pendingDisplay;
    qsizetype m_pendingFrom = 0;
    QTimer* m_loadTimer = nullptr;
    bool m_programWrite = false;
    bool m_changePending = false;
};
