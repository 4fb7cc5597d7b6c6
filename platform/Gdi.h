#pragma once

#include <QRect>
#include <QtGlobal>

// The Win32 drawing vocabulary the controls are written in: constants, a rectangle with exclusive
// right and bottom edges, pens and brushes (regions are in Region.h). Values match the Win32 ones
// so that numbers from stored data (text formats, fill styles) can be passed straight through.
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

}  // namespace Gdi
