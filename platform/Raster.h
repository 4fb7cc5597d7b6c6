#pragma once

#include <QList>
#include <QPoint>
#include <QtGlobal>

#include <algorithm>
#include <vector>

#include "Gdi.h"

// Pixel geometry shared by the drawing code and the regions, kept pure so tests can call it.
namespace Gdi {

// Coordinates beyond this are clamped before rasterising, so that absurd input cannot overflow
// or make a line walk billions of pixels. Nothing real comes near it.
constexpr int kCoordLimit = 1 << 29;

inline int ClampCoord(qint64 v) {
    return int(std::clamp<qint64>(v, -kCoordLimit, kCoordLimit));
}

inline Rect ClampRect(const Rect& r) {
    return {ClampCoord(r.left), ClampCoord(r.top), ClampCoord(r.right), ClampCoord(r.bottom)};
}

inline QPoint ClampPoint(QPoint p) {
    return {ClampCoord(p.x()), ClampCoord(p.y())};
}

// The box of a shape: corners given in either order, as the shape functions accept them.
inline Rect ShapeBox(int left, int top, int right, int bottom) {
    return ClampRect({std::min(left, right), std::min(top, bottom), std::max(left, right),
                      std::max(top, bottom)});
}

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

// Whether pixel (x, y) is on a line of the given hatch (HS_ value); the pattern repeats every
// 8 pixels from the image's origin.
bool HatchBit(int hatch, int x, int y);

// On/off run lengths of a dashed cosmetic pen (PS_ value); empty for a solid one.
QList<int> DashPattern(int penStyle);
// Whether step i along a line is drawn with the given pattern; an empty one is always on.
bool DashOn(const QList<int>& pattern, qint64 i);

// The pixels of a round pen tip, as rows around the pixel it is stamped on. An even width covers
// w/2 pixels before the centre pixel's edge and w/2 - 1 after it, as the system's pens do.
struct PenTip {
    struct Row {
        int dy;
        int dx0;  // first pixel
        int dx1;  // last pixel
    };
    int width = 1;
    std::vector<Row> rows;
};
PenTip RoundPenTip(int width);

}  // namespace Gdi
