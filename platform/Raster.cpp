#include "Raster.h"

#include <cmath>

namespace Gdi {

Span RoundRectRow(const Rect& rect, int ellipseWidth, int ellipseHeight, int y) {
    const qint64 w = qint64(rect.right) - rect.left;
    const qint64 h = qint64(rect.bottom) - rect.top;
    if (w <= 0 || h <= 0 || y < rect.top || y >= rect.bottom) return {};
    const double rx = double(std::clamp<qint64>(ellipseWidth, 0, w)) / 2;
    const double ry = double(std::clamp<qint64>(ellipseHeight, 0, h)) / 2;
    const double yc = y + 0.5;
    double dy = 0;
    if (yc < rect.top + ry) {
        dy = yc - (rect.top + ry);
    } else if (yc > rect.bottom - ry) {
        dy = yc - (rect.bottom - ry);
    } else {
        return {rect.left, rect.right};
    }
    const double half = rx * std::sqrt(std::max(0.0, 1 - (dy / ry) * (dy / ry))) + 1e-9;
    const qint64 x0 = qint64(std::ceil(rect.left + rx - half - 0.5));
    const qint64 x1 = qint64(std::floor(rect.right - rx + half - 0.5)) + 1;
    if (x1 <= x0) return {};
    return {ClampCoord(x0), ClampCoord(x1)};
}

QList<Span> PolygonRow(const QList<QPoint>& points, int fillMode, int y) {
    struct Crossing {
        double x;
        int dir;
    };
    QList<Crossing> crossings;
    const double yc = y + 0.5;
    const qsizetype n = points.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QPoint a = points[i];
        const QPoint b = points[(i + 1) % n];
        if (a.y() == b.y()) continue;
        const double ylo = std::min(a.y(), b.y());
        const double yhi = std::max(a.y(), b.y());
        if (yc < ylo || yc >= yhi) continue;
        const double x = a.x() + (yc - a.y()) * (double(b.x()) - a.x()) / (double(b.y()) - a.y());
        crossings.append({x, b.y() > a.y() ? 1 : -1});
    }
    std::sort(crossings.begin(), crossings.end(),
              [](const Crossing& l, const Crossing& r) { return l.x < r.x; });
    // A pixel is inside when its centre lies between an entering and a leaving crossing.
    auto toPixel = [](double x) { return ClampCoord(qint64(std::ceil(x - 0.5))); };
    QList<Span> spans;
    int winding = 0;
    for (qsizetype i = 0; i + 1 < crossings.size(); ++i) {
        winding += crossings[i].dir;
        const bool inside = fillMode == WINDING ? winding != 0 : i % 2 == 0;
        if (!inside) continue;
        const Span s{toPixel(crossings[i].x), toPixel(crossings[i + 1].x)};
        if (s.isEmpty()) continue;
        if (!spans.isEmpty() && s.x0 <= spans.last().x1) {
            spans.last().x1 = std::max(spans.last().x1, s.x1);
        } else {
            spans.append(s);
        }
    }
    return spans;
}

int StretchSourceIndex(int i, int dstLength, int srcLength) {
    if (dstLength <= 0) return 0;
    return int(qint64(i) * srcLength / dstLength);
}

bool ApplyRop(quint32 rop, quint32 src, quint32 dst, quint32* out) {
    quint32 r = 0;
    switch (rop) {
        case SRCCOPY:
            r = src;
            break;
        case SRCPAINT:
            r = src | dst;
            break;
        case SRCAND:
            r = src & dst;
            break;
        case SRCINVERT:
            r = src ^ dst;
            break;
        case SRCERASE:
            r = src & ~dst;
            break;
        case NOTSRCCOPY:
            r = ~src;
            break;
        case NOTSRCERASE:
            r = ~(src | dst);
            break;
        case MERGEPAINT:
            r = ~src | dst;
            break;
        case DSTINVERT:
            r = ~dst;
            break;
        case BLACKNESS:
            r = 0;
            break;
        case WHITENESS:
            r = 0xFFFFFF;
            break;
        default:
            return false;
    }
    *out = r & 0xFFFFFF;
    return true;
}

bool HatchBit(int hatch, int x, int y) {
    const bool horizontal = (y & 7) == 7;
    const bool vertical = (x & 7) == 7;
    const bool forward = ((x - y) & 7) == 0;   // "\"
    const bool backward = ((x + y) & 7) == 7;  // "/"
    switch (hatch) {
        case HS_HORIZONTAL:
            return horizontal;
        case HS_VERTICAL:
            return vertical;
        case HS_FDIAGONAL:
            return forward;
        case HS_BDIAGONAL:
            return backward;
        case HS_CROSS:
            return horizontal || vertical;
        case HS_DIAGCROSS:
            return forward || backward;
        default:
            return false;
    }
}

QList<int> DashPattern(int penStyle) {
    switch (penStyle) {
        case PS_DASH:
            return {18, 6};
        case PS_DOT:
            return {3, 3};
        case PS_DASHDOT:
            return {9, 6, 3, 6};
        case PS_DASHDOTDOT:
            return {9, 3, 3, 3, 3, 3};
        default:
            return {};
    }
}

bool DashOn(const QList<int>& pattern, qint64 i) {
    if (pattern.isEmpty()) return true;
    int total = 0;
    for (int len : pattern)
        total += len;
    qint64 pos = i % total;
    for (int k = 0; k < pattern.size(); ++k) {
        if (pos < pattern[k]) return k % 2 == 0;
        pos -= pattern[k];
    }
    return true;
}

PenTip RoundPenTip(int width) {
    PenTip tip{width, {}};
    const int lo = -(width / 2);
    const int hi = width - width / 2 - 1;
    const double c = (lo + hi + 1) / 2.0;
    const double r = width / 2.0;
    for (int dy = lo; dy <= hi; ++dy) {
        const double ey = dy + 0.5 - c;
        const double half = std::sqrt(std::max(0.0, r * r - ey * ey)) + 1e-9;
        tip.rows.push_back({dy, int(std::ceil(c - half - 0.5)), int(std::floor(c + half - 0.5))});
    }
    return tip;
}

}  // namespace Gdi
