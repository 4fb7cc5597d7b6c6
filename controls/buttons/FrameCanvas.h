#pragma once

#include <QtGlobal>

#include "Surface.h"

// The drawing primitives the group frame's style painters share, on a surface whose client
// area is sw x sh pixels. Colours are 0x00BBGGRR; pens are one pixel wide and solid, and a line
// never includes its end point.
class FrameCanvas {
public:
    // A rectangle given as a corner and a width and a height counted from it.
    struct Extent {
        int x = 0;
        int y = 0;
        int w = 0;
        int h = 0;
    };
    enum class Direction { Vertical, Horizontal };
    // The fill of a caption band: 0 and 1 plain gradients, 2 and 3 glass (there and back).
    enum class HeaderKind { Vertical = 0, Horizontal = 1, VerticalGlass = 2, HorizontalGlass = 3 };

    FrameCanvas(Surface& surface, double sw, double sh) : m_s(surface), m_sw(sw), m_sh(sh) {}

    Surface& surface() { return m_s; }
    double sw() const { return m_sw; }
    double sh() const { return m_sh; }

    void DrawLine(int x1, int y1, int x2, int y2, quint32 color);
    // The closed path (x, y) -> (x+w, y) -> (x+w, y+h) -> (x, y+h) -> (x, y); 1 x 1 gives a
    // 2 x 2 block.
    void DrawOutline(const Extent& e, quint32 color);
    // A rounded rectangle (right column and bottom row outside) with corner diameter, filled
    // unless hollow; the fill style is solid again afterwards.
    void DrawBox(bool rounded, int diameter, quint32 fill, quint32 line, const Gdi::Rect& rect,
                 bool hollow = false);
    // Lines 1 .. n-1 of a blend from start to end: vertical, n = q lines from (x, y+i) to
    // (p, y+i); horizontal, n = p lines from (x+i, y) to (x+i, q).
    void DrawGradient(quint32 start, quint32 end, int x, int y, int p, int q, Direction d);
    // c1 to c2 over the first 1/f of the extent and back to c1 over the rest.
    void DrawGlass(quint32 c1, quint32 c2, const Extent& e, Direction d, double f);
    // A caption band filled by kind (any other kind leaves it unfilled), then outlined when
    // outlineColor is given.
    void FillHeader(quint32 c1, quint32 c2, const Extent& e, int kind, bool outline,
                    quint32 outlineColor, double f);
    // Nine embossed 2 x 2 dots, 4 pixels apart, centred across a band of height band.
    void DrawGripDots(quint32 highlight, quint32 shadow, int band);
    // The eight pixels that square off the ends of a 9-pixel rounded corner.
    void DrawCornerPixels(quint32 color);

    // Channel by channel (a + b) / 2, halves to even.
    static quint32 AverageColor(quint32 a, quint32 b);
    // The colour of line i of n in a blend from start to end, with the step held in single
    // precision as the band's painter computes it.
    static quint32 GradientColor(quint32 start, quint32 end, int i, int n);

private:
    Surface& m_s;
    double m_sw;
    double m_sh;
};
