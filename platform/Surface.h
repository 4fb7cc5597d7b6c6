#pragma once

#include <QFont>
#include <QImage>
#include <QList>
#include <QPoint>
#include <QSize>
#include <QString>
#include <QtGlobal>

// The drawing vocabulary comes with the surface, so callers need only this header.
#include "Gdi.h"
#include "Raster.h"
#include "Region.h"
#include "TextLayout.h"

// A drawing surface with a persistent image (RGB32) and device-context state. Every custom
// control draws on one; its operations follow GDI's pixel rules. Colours are 0x00BBGGRR values
// or system colours 0x800000nn (translated when used). Bad coordinates are clipped, never fatal.
class Surface {
public:
    explicit Surface(QSize size = QSize(1, 1));

    QSize size() const { return m_image.size(); }
    int width() const { return m_image.width(); }
    int height() const { return m_image.height(); }

    // Changes the size (each side 1 to 8192 pixels); the image is cleared to the background
    // colour.
    void Resize(QSize size);
    // Clears the image to the background colour and moves the current position to (0, 0).
    void Cls();
    Gdi::Rect GetClipBox() const { return {0, 0, width(), height()}; }

    const QImage& image() const { return m_image; }
    QImage& image() { return m_image; }

    // Device-context state. The setters return the previous value, as the system's do.
    Gdi::Pen SelectPen(const Gdi::Pen& pen);
    const Gdi::Pen& pen() const { return m_pen; }
    Gdi::Brush SelectBrush(const Gdi::Brush& brush);
    const Gdi::Brush& brush() const { return m_brush; }
    quint32 SetTextColor(quint32 color);
    quint32 GetTextColor() const { return m_textColor; }
    quint32 SetBkColor(quint32 color);
    quint32 GetBkColor() const { return m_bkColor; }
    int SetBkMode(int mode);
    int GetBkMode() const { return m_bkMode; }
    QPoint MoveToEx(int x, int y);
    QPoint GetCurrentPositionEx() const { return m_position; }
    // Song-style faces are switched to unantialiased glyphs (see PrepareFont).
    QFont SelectFont(const QFont& font);
    const QFont& font() const { return m_font; }
    // The font as drawn: Song-style faces (宋体, 新宋体 and their stand-in) lose antialiasing.
    static QFont PrepareFont(QFont font);

    // Pixels. SetPixel returns the colour set, GetPixel the colour found; both give CLR_INVALID
    // outside the image.
    quint32 SetPixel(int x, int y, quint32 color);
    bool SetPixelV(int x, int y, quint32 color) {
        return SetPixel(x, y, color) != Gdi::CLR_INVALID;
    }
    quint32 GetPixel(int x, int y) const;

    // Rectangles in a given colour, independent of pen and brush; an inverted rectangle draws
    // nothing.
    void FillRect(const Gdi::Rect& rect, quint32 color);
    void FrameRect(const Gdi::Rect& rect, quint32 color);
    void DrawFocusRect(const Gdi::Rect& rect);
    void FillRgn(const Gdi::Region& region, quint32 color);

    // Shapes with the current pen (outline) and brush (fill); the box's corners may come in
    // either order. Dashed pens draw dashed outlines on rectangles and solid ones on round
    // shapes.
    void Rectangle(int left, int top, int right, int bottom);
    void RoundRect(int left, int top, int right, int bottom, int ellipseWidth, int ellipseHeight);
    void Ellipse(int left, int top, int right, int bottom);
    void Polygon(const QList<QPoint>& points);
    // Lines with the current pen; the last point is not drawn by a 1-pixel pen.
    void LineTo(int x, int y);
    void Polyline(const QList<QPoint>& points);

    // Copies from an image. Sizes <= 0, a null source or an unsupported raster operation draw
    // nothing and return false; parts outside either image are skipped.
    bool BitBlt(int x, int y, int w, int h, const QImage& src, int sx, int sy,
                quint32 rop = Gdi::SRCCOPY);
    bool StretchBlt(int x, int y, int w, int h, const QImage& src, int sx, int sy, int sw, int sh,
                    quint32 rop = Gdi::SRCCOPY);
    bool TransparentBlt(int x, int y, int w, int h, const QImage& src, int sx, int sy, int sw,
                        int sh, quint32 transparentColor);
    // An icon (any image; its alpha channel is the mask) stretched to w x h, or at its own size
    // where w or h is 0, blended over the surface.
    bool DrawIconEx(int x, int y, const QImage& icon, int w = 0, int h = 0);

    // Text in the current font, placed by the top-left corner of its cell, in the text colour,
    // over a background-colour box when the background mode is OPAQUE. DrawText takes the
    // DT_ formats above and returns the text's height (with DT_VCENTER or DT_BOTTOM on a single
    // line: the distance from the rectangle's top to the text's bottom); DT_CALCRECT only
    // measures, setting the rectangle's right and bottom.
    int DrawText(const QString& text, Gdi::Rect* rect, unsigned format);
    int DrawTextEx(const QString& text, Gdi::Rect* rect, unsigned format) {
        return DrawText(text, rect, format);
    }
    bool TextOut(int x, int y, const QString& text);
    // DST_TEXT, with DSS_DISABLED drawn embossed: highlight one pixel down-right, shadow on top.
    bool DrawState(const QString& text, int x, int y, unsigned flags);
    QSize GetTextExtentPoint32(const QString& text) const;
    // Widest line and total height of a text whose lines are split at CR LF, CR or LF; an
    // empty text is one line high.
    int TextWidth(const QString& text) const;
    int TextHeight(const QString& text) const;
    int LineHeight() const;

private:
    void clearImage(QSize size);
    void fillSpan(int y, int x0, int x1, quint32 pixel);
    void fillBrushSpan(int y, int x0, int x1);
    void stampRun(int y, int x0, int x1, const Gdi::PenTip& tip, quint32 pixel);
    void drawShape(const Gdi::Rect& box, int ellipseWidth, int ellipseHeight);
    void drawLine(QPoint from, QPoint to);
    void drawTextLine(int x, int y, const Gdi::PrefixedText& line, const QRect* clip);

    QImage m_image;
    Gdi::Pen m_pen;
    Gdi::Brush m_brush;
    quint32 m_textColor = 0x000000;
    quint32 m_bkColor = 0xFFFFFF;
    int m_bkMode = Gdi::OPAQUE;
    QPoint m_position;
    QFont m_font;
};
