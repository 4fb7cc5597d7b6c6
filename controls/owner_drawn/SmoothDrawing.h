#pragma once

#include <QList>
#include <QPointF>
#include <QtGlobal>

#include "Surface.h"

// Anti-aliased points, quarter arcs and rounded outlines, blended into what the surface holds.
namespace SmoothDrawing {

// The four pixels a point at (x, y) touches and their weights, in the order (x0, y0),
// (x0 + 1, y0), (x0, y0 + 1), (x0 + 1, y0 + 1).
struct Spread {
    QPoint pixels[4];
    float weights[4];
};
Spread SpreadPoint(float x, float y);

// Blends color into the four pixels around (x, y) by their weights; all four are read before
// any is written.
void PlotSmoothPoint(Surface* dc, float x, float y, quint32 color);

// The points of an elliptic arc in the box at (left, top) with radii rx, ry, for the angles
// from, from + step, ... up to to (clockwise from the top: 0 top, 90 right). A step that is not
// positive gives no points rather than an endless loop.
QList<QPointF> ArcPoints(int left, int top, int rx, int ry, float from, float to, float step);
void DrawSmoothArc(Surface* dc, int left, int top, int rx, int ry, quint32 color, float from,
                   float to, float step);

// The one-pixel outline of (left, top)-(right, bottom) with anti-aliased corners of radius r;
// nothing unless r > 1 and the box is not empty.
void DrawSmoothRoundFrame(Surface* dc, int left, int top, int right, int bottom, int r,
                          quint32 color);

}  // namespace SmoothDrawing
