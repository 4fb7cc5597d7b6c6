#include "FrameCanvas.h"

#include <algorithm>
#include <array>

#include "Colors.h"
#include "Raster.h"
#include "Rounding.h"

namespace {

int ClampedSum(qint64 a, qint64 b) {
    return Gdi::ClampCoord(a + b);
}

}  // namespace

void FrameCanvas::DrawLine(int x1, int y1, int x2, int y2, quint32 color) {
    // Level and upright lines, the gradients' thousands among them, are filled as one-pixel
    // rectangles: the same pixels as the pen's, from the start up to the end point.
    x1 = Gdi::ClampCoord(x1);
    y1 = Gdi::ClampCoord(y1);
    x2 = Gdi::ClampCoord(x2);
    y2 = Gdi::ClampCoord(y2);
    if (y1 == y2) {
        const Gdi::Rect span =
            x1 <= x2 ? Gdi::Rect{x1, y1, x2, y1 + 1} : Gdi::Rect{x2 + 1, y1, x1 + 1, y1 + 1};
        m_s.FillRect(span, color);
        return;
    }
    if (x1 == x2) {
        const Gdi::Rect span =
            y1 <= y2 ? Gdi::Rect{x1, y1, x1 + 1, y2} : Gdi::Rect{x1, y2 + 1, x1 + 1, y1 + 1};
        m_s.FillRect(span, color);
        return;
    }
    m_s.SelectPen({Gdi::PS_SOLID, 1, color});
    m_s.MoveToEx(x1, y1);
    m_s.LineTo(x2, y2);
}

void FrameCanvas::DrawOutline(const Extent& e, quint32 color) {
    const int right = ClampedSum(e.x, e.w);
    const int bottom = ClampedSum(e.y, e.h);
    m_s.SelectPen({Gdi::PS_SOLID, 1, color});
    m_s.MoveToEx(e.x, e.y);
    m_s.LineTo(right, e.y);
    m_s.LineTo(right, bottom);
    m_s.LineTo(e.x, bottom);
    m_s.LineTo(e.x, e.y);
}

void FrameCanvas::DrawBox(bool rounded, int diameter, quint32 fill, quint32 line,
                          const Gdi::Rect& rect, bool hollow) {
    m_s.SelectPen({Gdi::PS_SOLID, 1, line});
    m_s.SelectBrush(hollow ? Gdi::Brush::Null() : Gdi::Brush::Solid(fill));
    const int d = rounded ? diameter : 0;
    m_s.RoundRect(rect.left, rect.top, rect.right, rect.bottom, d, d);
    m_s.SelectBrush(Gdi::Brush::Solid(fill));
}

quint32 FrameCanvas::AverageColor(quint32 a, quint32 b) {
    const auto mean = [](int x, int y) { return RoundHalfEven((x + y) / 2.0); };
    return Colors::Rgb(mean(Colors::Red(a), Colors::Red(b)),
                       mean(Colors::Green(a), Colors::Green(b)),
                       mean(Colors::Blue(a), Colors::Blue(b)));
}

quint32 FrameCanvas::GradientColor(quint32 start, quint32 end, int i, int n) {
    // Blue is the colour divided by 65536, so a value with a high byte (an untranslatable
    // colour stored as -1) still gives a number; it is kept to a channel's range.
    const auto channels = [](quint32 c) {
        return std::array<int, 3>{int(c & 255), int((c / 256) & 255), int((c / 65536) & 255)};
    };
    const auto a = channels(start);
    const auto b = channels(end);
    std::array<int, 3> out{};
    for (int k = 0; k < 3; ++k) {
        const float step = float(b[k] - a[k]) / float(n);
        out[k] = std::clamp(RoundHalfEven(double(float(a[k]) + step * float(i))), 0, 255);
    }
    return Colors::Rgb(out[0], out[1], out[2]);
}

void FrameCanvas::DrawGradient(quint32 start, quint32 end, int x, int y, int p, int q,
                               Direction d) {
    const bool vertical = d == Direction::Vertical;
    const int n = vertical ? q : p;
    if (n <= 1) return;
    // Only the lines that cross the surface are drawn: a band far larger than the control
    // costs no more than one that fits.
    const qint64 origin = vertical ? y : x;
    const qint64 extent = vertical ? m_s.height() : m_s.width();
    const qint64 first = std::max<qint64>(1, -origin);
    const qint64 last = std::min<qint64>(n - 1, extent - 1 - origin);
    for (qint64 i = first; i <= last; ++i) {
        const quint32 color = GradientColor(start, end, int(i), n);
        if (vertical)
            DrawLine(x, int(y + i), p, int(y + i), color);
        else
            DrawLine(int(x + i), y, int(x + i), q, color);
    }
}

void FrameCanvas::DrawGlass(quint32 c1, quint32 c2, const Extent& e, Direction d, double f) {
    if (f <= 1) f = 1.01;
    if (d == Direction::Vertical) {
        const double h = e.h;
        DrawGradient(c1, c2, e.x, e.y, ClampedSum(e.x, e.w), RoundHalfEven(h / f), d);
        DrawGradient(c2, c1, e.x, RoundHalfEven(e.y + h / f - 1), ClampedSum(e.x, e.w),
                     RoundHalfEven((f - 1) * h / f + 1), d);
    } else {
        const double w = e.w;
        DrawGradient(c1, c2, e.x, e.y, RoundHalfEven(w / f), ClampedSum(e.y, e.h), d);
        DrawGradient(c2, c1, RoundHalfEven(e.x + w / f - 1), e.y,
                     RoundHalfEven((f - 1) * w / f + 1), ClampedSum(e.y, e.h), d);
    }
}

void FrameCanvas::FillHeader(quint32 c1, quint32 c2, const Extent& e, int kind, bool outline,
                             quint32 outlineColor, double f) {
    switch (kind) {
        case int(HeaderKind::Vertical):
            DrawGradient(c2, c1, e.x, e.y, ClampedSum(e.x, e.w), e.h, Direction::Vertical);
            break;
        case int(HeaderKind::Horizontal):
            DrawGradient(c2, c1, e.x, e.y, e.w, ClampedSum(e.y, e.h), Direction::Horizontal);
            break;
        case int(HeaderKind::VerticalGlass):
            DrawGlass(c1, c2, e, Direction::Vertical, f);
            break;
        case int(HeaderKind::HorizontalGlass):
            DrawGlass(c1, c2, e, Direction::Horizontal, f);
            break;
        default:
            break;
    }
    if (outline) DrawOutline(e, outlineColor);
}

void FrameCanvas::DrawGripDots(quint32 highlight, quint32 shadow, int band) {
    const int x0 = RoundHalfEven((m_sw - 18 - 16) / 2);
    const int y0 = RoundHalfEven((double(band) - 2) / 2);
    for (int i = 0; i <= 8; ++i) {
        DrawOutline({x0 + 4 * i + 1, y0 + 1, 1, 1}, highlight);
        DrawOutline({x0 + 4 * i, y0, 1, 1}, shadow);
    }
}

void FrameCanvas::DrawCornerPixels(quint32 color) {
    const int w = RoundHalfEven(m_sw);
    const int h = RoundHalfEven(m_sh);
    const QPoint points[] = {{0, 4},     {4, 0},     {w - 5, 0},     {w - 1, 4},
                             {0, h - 5}, {4, h - 1}, {w - 5, h - 1}, {w - 1, h - 5}};
    for (const QPoint& p : points)
        m_s.SetPixel(p.x(), p.y(), color);
}
