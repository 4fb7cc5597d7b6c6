#pragma once

#include <QFont>
#include <QStringList>
#include <QWidget>

// The hover prompt of a drop-down list: a small light-yellow box with a black frame that shows
// an item's text, wrapped, in the list's font. Hidden it is a part of the list; shown it floats
// topmost as a window of its own, still owned by the list.
class YComboPrompt : public QWidget {
public:
    static constexpr quint32 kBackColor = 0xE1FEFE;  // RGB(254, 254, 225)
    static constexpr quint32 kFillColor = 0xE7FFFF;  // RGB(255, 255, 231)

    explicit YComboPrompt(QWidget* list);

    void SetLook(const QFont& font, quint32 textColor);
    // Lays the text out and shows it with its top-left corner at the screen point, kept on the
    // screen.
    void ShowText(const QString& text, QPoint screenPoint);
    // Back into the list, invisible.
    void HidePrompt();

    const QStringList& Lines() const { return m_lines; }
    int TextWidth(const QString& text) const;
    int TextHeight() const;
    // The prompt's picture as it paints it.
    QImage Picture() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QWidget* m_list;
    QFont m_font;
    quint32 m_textColor = 0;
    QStringList m_lines;
};
