#pragma once

#include <QFont>
#include <QImage>
#include <QList>
#include <QPoint>
#include <QRect>
#include <QRegion>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <functional>

// The Win32 drawing vocabulary the controls are written in: constants, a rectangle with exclusive
// right and bottom edges, pens, brushes and regions. Values match the Win32 ones so that numbers
// from stored data (text formats, fill styles) can be passed straight through.
namespace Gdi {

constexpr quint32 CLR_INVALID = 0xFFFFFFFFu;

// DrawText formats.
constexpr unsigned DT_TOP = 0x0000;
constexpr unsigned DT_LEFT = 0x0000;
constexpr unsigned DT_CENTER = 0x0001;
constexpr unsigned DT_RIGHT = 0x0002;
constexpr unsigned DT_VCENTER = 0x0004;
constexpr unsigned DT_BOTTOM = 0x0008;
constexpr unsigned DT_WORDBREAK = 0x0010;
constexpr unsigned DT_SINGLELINE = 0x0020;
constexpr unsigned DT_NOCLIP = 0x0100;
constexpr unsigned DT_CALCRECT = 0x0400;
constexpr unsigned DT_NOPREFIX = 0x0800;
constexpr unsigned DT_END_ELLIPSIS = 0x8000;

// DrawState.
constexpr unsigned DST_TEXT = 0x0001;
constexpr unsigned DSS_DISABLED = 0x0020;

// Background modes.
constexpr int TRANSPARENT = 1;
constexpr int OPAQUE = 2;

// Pen styles. Dashed and dotted styles apply to 1-pixel pens only; wider ones draw solid.
constexpr int PS_SOLID = 0;
constexpr int PS_DASH = 1;
constexpr int PS_DOT = 2;
constexpr int PS_DASHDOT = 3;
constexpr int PS_DASHDOTDOT = 4;
constexpr int PS_NULL = 5;

// Brush styles and hatches.
constexpr int BS_SOLID = 0;
constexpr int BS_NULL = 1;
constexpr int BS_HATCHED = 2;
constexpr int HS_HORIZONTAL = 0;
constexpr int HS_VERTICAL = 1;
constexpr int HS_FDIAGONAL = 2;
constexpr int HS_BDIAGONAL = 3;
constexpr int HS_CROSS = 4;
constexpr int HS_DIAGCROSS = 5;

// Raster operations of BitBlt and StretchBlt.
constexpr quint32 SRCCOPY = 0x00CC0020;
constexpr quint32 SRCPAINT = 0x00EE0086;
constexpr quint32 SRCAND = 0x008800C6;
constexpr quint32 SRCINVERT = 0x00660046;
constexpr quint32 SRCERASE = 0x00440328;
constexpr quint32 NOTSRCCOPY = 0x00330008;
constexpr quint32 NOTSRCERASE = 0x001100A6;
constexpr quint32 MERGEPAINT = 0x00BB0226;
constexpr quint32 DSTINVERT = 0x00550009;
constexpr quint32 BLACKNESS = 0x00000042;
constexpr quint32 WHITENESS = 0x00FF0062;

// Polygon fill modes and region combination modes.
constexpr int ALTERNATE = 1;
constexpr int WINDING = 2;
constexpr int RGN_AND = 1;
constexpr int RGN_OR = 2;
constexpr int RGN_XOR = 3;
constexpr int RGN_DIFF = 4;
constexpr int RGN_COPY = 5;

// A rectangle as the system's rectangle functions see it: the right column and the bottom row
// are outside.
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int width() const { return right - left; }
    int height() const { return bottom - top; }
    bool isEmpty() const { return right <= left || bottom <= top; }
    void offset(int dx, int dy) {
        left += dx;
        right += dx;
        top += dy;
        bottom += dy;
    }
    QRect toQRect() const { return QRect(left, top, right - left, bottom - top); }
    static Rect FromQRect(const QRect& r) {
        return {r.x(), r.y(), r.x() + r.width(), r.y() + r.height()};
    }
    bool operator==(const Rect&) const = default;
};

struct Pen {
    int style = PS_SOLID;
    int width = 1;  // 0 counts as 1, like the system's cosmetic pen
    quint32 color = 0;
    bool operator==(const Pen&) const = default;
};

struct Brush {
    int style = BS_SOLID;
    quint32 color = 0xFFFFFF;
    int hatch = HS_HORIZONTAL;

    static Brush Solid(quint32 color) { return {BS_SOLID, color, HS_HORIZONTAL}; }
    static Brush Null() { return {BS_NULL, 0, HS_HORIZONTAL}; }
    static Brush Hatched(int hatch, quint32 color) { return {BS_HATCHED, color, hatch}; }
    // The brush a control's FillStyle (0 solid, 1 transparent, 2..7 hatches) and FillColor
    // stand for. Unknown styles give a hollow brush.
    static Brush FromFillStyle(int fillStyle, quint32 color);
    bool operator==(const Brush&) const = default;
};

// A set of pixels, for filling and for window shapes (QWidget::setMask takes toQRegion()).
// Shapes cover the same pixels the matching Surface shape covers with a 1-pixel pen; their
// coordinates are limited to +-32767.
class Region {
public:
    Region() = default;
    explicit Region(const QRegion& region) : m_region(region) {}

    static Region FromRect(const Rect& rect);
    static Region FromRoundRect(const Rect& rect, int ellipseWidth, int ellipseHeight);
    static Region FromEllipse(const Rect& rect);
    static Region FromPolygon(const QList<QPoint>& points, int fillMode = ALTERNATE);
    // Every pixel of the image except those of the transparent colour (0x00BBGGRR).
    static Region FromImage(const QImage& image, quint32 transparentColor);
    static Region Combine(const Region& a, const Region& b, int mode);

    bool isEmpty() const { return m_region.isEmpty(); }
    bool contains(int x, int y) const { return m_region.contains(QPoint(x, y)); }
    Rect boundingRect() const { return Rect::FromQRect(m_region.boundingRect()); }
    void offset(int dx, int dy) { m_region.translate(dx, dy); }
    const QRegion& toQRegion() const { return m_region; }
    bool operator==(const Region& other) const { return m_region == other.m_region; }

private:
    QRegion m_region;
};

// Geometry shared by the drawing code and the regions, kept pure so tests can call it.
struct Span {
    int x0 = 0;  // first pixel
    int x1 = 0;  // one past the last pixel; x1 <= x0 means an empty row
    bool isEmpty() const { return x1 <= x0; }
    bool operator==(const Span&) const = default;
};
// Row y of the rounded rectangle filling rect (right and bottom outside) with corner ellipses
// of the given size, clamped to the rectangle. A pixel belongs to the shape when its centre
// lies inside.
Span RoundRectRow(const Rect& rect, int ellipseWidth, int ellipseHeight, int y);
// Row y of a polygon filled by pixel centres (fill mode ALTERNATE or WINDING); sorted, disjoint.
QList<Span> PolygonRow(const QList<QPoint>& points, int fillMode, int y);
// The source index a nearest-neighbour stretch of srcLength onto dstLength pixels reads for
// destination pixel i.
int StretchSourceIndex(int i, int dstLength, int srcLength);
// The result of a raster operation on source and destination colours (0x00RRGGBB or 0x00BBGGRR
// alike), or false for an operation we don't support.
bool ApplyRop(quint32 rop, quint32 src, quint32 dst, quint32* out);
// Text with '&' prefixes resolved: "&x" underlines x, "&&" is one '&', a trailing '&' vanishes.
struct PrefixedText {
    QString text;
    QList<int> underlined;  // indices into text
};
PrefixedText StripPrefixes(const QString& text);
// Splits one line at word boundaries (spaces, and between CJK characters) so that each piece
// fits width as measured; a single word wider than width stays whole.
QStringList WrapLine(const QString& line, int width,
                     const std::function<int(const QString&)>& measure);

}  // namespace Gdi

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
    void stampRun(int y, int x0, int x1, int penWidth, quint32 pixel);
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
