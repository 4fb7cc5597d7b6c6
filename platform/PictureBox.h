#pragma once

#include <QFont>
#include <QImage>
#include <QPoint>
#include <QWidget>
#include <memory>
#include <vector>

#include "GlyphCache.h"
#include "PrintTarget.h"

// Sees what a picture box draws: the headless renderer and tests record it.
class PictureBoxObserver {
public:
    virtual ~PictureBoxObserver() = default;
    virtual void OnCls() = 0;
    // A non-empty text drawn with its top-left corner at pixel (x, y) of the box.
    virtual void OnText(int x, int y, quint32 colour, const QString& text) = 0;
};

// A picture box: a background picture, a font, a coordinate scale in pixels or twips with an
// origin offset, and a persistent image that keeps what was printed until the next Cls.
class PictureBox : public QWidget, public PrintTarget {
    Q_OBJECT
public:
    enum class ScaleMode { Pixels, Twips };

    explicit PictureBox(QWidget* parent = nullptr);
    ~PictureBox() override;

    // The box's size in pixels; the persistent image follows it.
    void SetBoxSize(QSize size);

    // Drawn at the top-left corner, cut off where the box is smaller.
    void SetPicture(const QImage& picture);
    const QImage& Picture() const { return m_picture; }

    void SetBackColor(quint32 colour);
    void SetPrintFont(const QFont& font);
    const QFont& PrintFont() const;
    void SetScaleMode(ScaleMode mode);
    // Where the origin (0, 0) of the box's coordinates lies, in pixels from the top-left corner.
    void SetOrigin(QPoint offsetPixels);
    quint32 ForeColor() const { return m_foreColor; }

    void SetObserver(PictureBoxObserver* observer) { m_observer = observer; }

    // The picture as the user sees it: background with everything printed over it.
    const QImage& Image() const;

    // PrintTarget
    void Cls() override;
    double CurrentX() const override { return m_currentX; }
    double CurrentY() const override { return m_currentY; }
    void SetCurrentX(double x) override { m_currentX = x; }
    void SetCurrentY(double y) override { m_currentY = y; }
    void SetForeColor(quint32 colour) override;
    void Print(const QString& text, bool keepLineOpen) override;
    void PrintNewLine() override;
    double TextWidth(const QString& text) const override;
    double TextHeight(const QString& text) const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    double UnitsPerPixel() const;
    QPoint ToPixels(double x, double y) const;
    void DrawText(const QString& text);
    void QueueGlyph(QPoint at, QRgb colour, GlyphCache::Entry& glyph);
    void RebuildBackground();
    void RequestUpdate();
    void Flush() const;
    void RestoreBackground() const;

    // A print waiting to be drawn into the image.
    struct PendingText {
        QPoint at;
        QRgb colour;
        GlyphCache::Entry* glyph;
    };

    QImage m_picture;
    // The back colour with the picture over it: what Cls restores.
    QImage m_background;
    // Prints are collected and drawn when the image is next read or shown, so a redraw that
    // clears and prints many times (a jump to another section) costs one composition.
    mutable QImage m_image;
    mutable std::vector<PendingText> m_pending;
    mutable bool m_resetPending = false;
    // The columns of each row that received ink since the image last showed the bare
    // background: restoring just those is cheaper than copying the whole background back.
    mutable std::vector<std::pair<int, int>> m_inkedRows;
    mutable bool m_inked = false;
    std::unique_ptr<GlyphCache> m_glyphs;
    quint32 m_backColor = 0x000000;
    quint32 m_foreColor = 0x000000;
    QRgb m_foreRgb = 0xFF000000;
    ScaleMode m_scaleMode = ScaleMode::Pixels;
    QPoint m_origin;
    double m_currentX = 0;
    double m_currentY = 0;
    bool m_updateRequested = false;
    PictureBoxObserver* m_observer = nullptr;
};
