#include "SmoothDrawing.h"

#include <cmath>

#include "ColorBlend.h"
#include "ColorDrawing.h"

namespace SmoothDrawing {
namespace {

// Degrees to radians as the outlines were always drawn (slightly off the exact factor).
constexpr double kDegreesToRadians = 0.017453292222222222;
// The step of the quarter arcs of small radii.
constexpr float kCornerStep = 22.5f;

}  // namespace

Spread SpreadPoint(float x, float y) {
    const float x0 = std::floor(x);
    const float y0 = std::floor(y);
    const float fx = x - x0;
    const float fy = y - y0;
    const int ix = int(x0);
    const int iy = int(y0);
    return {{QPoint(ix, iy), QPoint(ix + 1, iy), QPoint(ix, iy + 1), QPoint(ix + 1, iy + 1)},
            {(1 - fx) * (1 - fy), fx * (1 - fy), (1 - fx) * fy, fx * fy}};
}

void PlotSmoothPoint(Surface* dc, float x, float y, quint32 color) {
    // Points far outside any surface (or not numbers) touch nothing.
    if (!dc || !std::isfinite(x) || !std::isfinite(y) || std::fabs(x) > 1e6f || std::fabs(y) > 1e6f)
        return;
    const Spread spread = SpreadPoint(x, y);
    quint32 found[4];
    for (int i = 0; i < 4; ++i)
        found[i] = dc->GetPixel(spread.pixels[i].x(), spread.pixels[i].y());
    for (int i = 0; i < 4; ++i) {
        if (found[i] == Gdi::CLR_INVALID) continue;
        dc->SetPixelV(spread.pixels[i].x(), spread.pixels[i].y(),
                      ColorBlend::BlendColor(found[i], color, spread.weights[i]));
    }
}

QList<QPointF> ArcPoints(int left, int top, int rx, int ry, float from, float to, float step) {
    QList<QPointF> points;
    if (!(step > 0) || !std::isfinite(from) || !std::isfinite(to)) return points;
    for (float a = from; a <= to; a += step) {
        const double r = double(a) * kDegreesToRadians;
        const float x = float(left + rx + rx * std::sin(r));
        const float y = float(top + ry - ry * std::cos(r));
        points.append(QPointF(x, y));
        if (a + step == a) break;  // the step vanished beside a huge angle
    }
    return points;
}

void DrawSmoothArc(Surface* dc, int left, int top, int rx, int ry, quint32 color, float from,
                   float to, float step) {
    if (!dc) return;
    for (const QPointF& p : ArcPoints(left, top, rx, ry, from, to, step))
        PlotSmoothPoint(dc, float(p.x()), float(p.y()), color);
}

void DrawSmoothRoundFrame(Surface* dc, int left, int top, int right, int bottom, int r,
                          quint32 color) {
    if (!dc || r <= 1 || left >= right || top >= bottom) return;
    const int far = 2 * r + 1;
    DrawSmoothArc(dc, left, top, r, r, color, 270, 360, kCornerStep);
    DrawSmoothArc(dc, right - far, top, r, r, color, 0, 90, kCornerStep);
    DrawSmoothArc(dc, left, bottom - far, r, r, color, 180, 270, kCornerStep);
    DrawSmoothArc(dc, right - far, bottom - far, r, r, color, 90, 180, kCornerStep);
    using ColorDrawing::FillRectColor;
    FillRectColor(dc, {left + r, top, right - r - 1, top + 1}, color);
    FillRectColor(dc, {left + r, bottom - 1, right - r - 1, bottom}, color);
    FillRectColor(dc, {left, top + r, left + 1, bottom - r - 1}, color);
    FillRectColor(dc, {right - 1, top + r, right, bottom - r - 1}, color);
}

}  // namespace SmoothDrawing
