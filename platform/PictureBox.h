#pragma once

#include <QFont>
#include <QImage>
#include <QPoint>
#include <QWidget>

#include "Colors.h"
#include "PrintComposer.h"
#include "PrintTarget.h"
#include "Units.h"

// A picture box: a background picture, a font, a coordinate scale in pixels or twips with an
// origin offset, and a persistent image that keeps what was printed until the next Cls.
class PropertyBag;

class PictureBox : public QWidget, public PrintTarget {
    Q_OBJECT
public:
    enum class ScaleMode { Pixels, Twips };
    static constexpr double kTwipsScale = Units::kTwipsPerPixel;

    explicit PictureBox(QWidget* parent = nullptr);
    ~PictureBox() override;

    // The box's size in pixels; the persistent image follows it and loses what was printed.
    void SetBoxSize(QSize size);

    // The stored properties of a box placed on a window: "Picture", "BackColor", "ForeColor",
    // "Font", "ScaleMode" (1 twips, 3 pixels), "ScaleLeft" and "ScaleTop" (the coordinates of
    // the top-left corner, so -12 puts the origin 12 units down). The box keeps its size.
    void ReadProperties(const PropertyBag& bag);

    // Drawn at the top-left corner, cut off where the box is smaller. Replaces what was
    // printed, as does a new back colour.
    void SetPicture(const QImage& picture);
    const QImage& Picture() const { return m_picture; }
    void SetBackColor(quint32 color);

    void SetPrintFont(const QFont& font);
    const QFont& PrintFont() const { return m_composer.Font(); }
    void SetScaleMode(ScaleMode mode) { m_scaleMode = mode; }
    // Where the origin (0, 0) of the box's coordinates lies, in pixels from the top-left corner.
    void SetOrigin(QPoint offsetPixels) { m_origin = offsetPixels; }
    quint32 ForeColor() const { return m_foreColor; }

    // The picture as the user sees it: background with everything printed over it.
    const QImage& Image() const { return m_composer.Image(); }

    // PrintTarget
    void Cls() override;
    double CurrentX() const override { return m_currentX; }
    double CurrentY() const override { return m_currentY; }
    void SetCurrentX(double x) override { m_currentX = x; }
    void SetCurrentY(double y) override { m_currentY = y; }
    void SetForeColor(quint32 color) override;
    // A text with line breaks (LF, CR LF) prints its first line at the print position and each
    // further line at x = 0 one line of the font lower; the position then follows the last line.
    void Print(const QString& text, bool keepLineOpen) override;
    void PrintNewLine() override;
    // The widest line, and the height of all lines.
    double TextWidth(const QString& text) const override;
    double TextHeight(const QString& text) const override;

signals:
    // What the box draws, for the headless renderer and tests.
    void Cleared();
    // A non-empty text printed with its top-left corner at pixel (x, y) of the box.
    void TextPrinted(int x, int y, quint32 color, const QString& text);

protected:
    void paintEvent(QPaintEvent* event) override;
    void connectNotify(const QMetaMethod& signal) override;
    void disconnectNotify(const QMetaMethod& signal) override;

private:
    double UnitsPerPixel() const { return m_scaleMode == ScaleMode::Twips ? kTwipsScale : 1.0; }
    double LineStep() const;
    QPoint ToPixels(double x, double y) const;
    // Queues one line of text at a pixel; returns its width in pixels.
    double QueueLine(const QString& line, QPoint at);
    // Queues a text with line breaks from the print position, moving it to the start of its
    // last line; returns that line's width in pixels.
    double QueueLines(const QString& text);
    void RebuildBackground();
    // Asks for one repaint however many prints follow.
    void RequestUpdate() {
        if (m_updateRequested) return;
        m_updateRequested = true;
        update();
    }

    QSize m_boxSize{1, 1};
    QImage m_picture;
    quint32 m_backColor = Colors::TranslateColor(Colors::kButtonFace);
    // Composition changes nothing the box's user can see but when: reading the image composes.
    mutable PrintComposer m_composer;
    quint32 m_foreColor = 0x000000;
    QRgb m_foreRgb = 0xFF000000;
    ScaleMode m_scaleMode = ScaleMode::Pixels;
    QPoint m_origin;
    double m_currentX = 0;
    double m_currentY = 0;
    bool m_updateRequested = false;
    bool m_textPrintedWatched = false;
};
