#pragma once

#include <QString>
#include <QtGlobal>

class PrintTarget;

// The pen of a classic pane: where the next run is drawn, and the picture it draws on. Its
// position is the pane state's PenX and PenY.
class ClassicPen {
public:
    static constexpr int kStartX = 12;
    static constexpr int kStartY = 12;
    static constexpr int kLineStep = 16;

    ClassicPen(PrintTarget& picture, qint32& x, qint32& y) : m_picture(picture), m_x(x), m_y(y) {}

    qint32 X() const { return m_x; }
    qint32 Y() const { return m_y; }
    // Back to the top-left corner of the dialogue.
    void Reset() {
        m_x = kStartX;
        m_y = kStartY;
    }
    // A backslash: the start of the next visual line.
    void NewLine() {
        m_x = kStartX;
        m_y += kLineStep;
    }
    void Advance(qint32 width) { m_x += width; }

    // Draws text with its top-left corner at (x, y) of the picture.
    void DrawRun(const QString& text, int x, int y, quint32 color);
    float MeasureText(const QString& text) const;

private:
    PrintTarget& m_picture;
    qint32& m_x;
    qint32& m_y;
};
