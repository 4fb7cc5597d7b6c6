#include "Surface.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <climits>
#include <cmath>
#include <utility>
#include <vector>

#include "Colors.h"
#include "FontSetup.h"

namespace Gdi {
namespace {

// Coordinates beyond this are clamped before rasterising, so that absurd input cannot overflow
// or make a line walk billions of pixels. Nothing real comes near it.
constexpr int kCoordLimit = 1 << 29;
// Regions are built row by row; this keeps a wild polygon from building millions of rows.
constexpr int kRegionLimit = 32767;

int clampCoord(qint64 v) {
    return int(std::clamp<qint64>(v, -kCoordLimit, kCoordLimit));
}

Rect clampRect(const Rect& r) {
    return {clampCoord(r.left), clampCoord(r.top), clampCoord(r.right), clampCoord(r.bottom)};
}

// The box of a shape: corners given in either order, as the shape functions accept them.
Rect shapeBox(int left, int top, int right, int bottom) {
    return clampRect({std::min(left, right), std::min(top, bottom), std::max(left, right),
                      std::max(top, bottom)});
}

QPoint clampPoint(QPoint p) {
    return {clampCoord(p.x()), clampCoord(p.y())};
}

bool isCjk(QChar c) {
    return c.unicode() >= 0x2E80;
}

bool canBreakBefore(const QString& line, int b) {
    if (b <= 0 || b >= line.size()) return false;
    const QChar prev = line[b - 1];
    const QChar next = line[b];
    return next == u' ' || prev == u' ' || isCjk(prev) || isCjk(next);
}

// The length of the longest prefix of text that, followed by suffix, is at most width wide.
// Widths grow with length, so a binary search keeps long texts cheap.
int longestFit(const QString& text, qint64 width, const std::function<int(const QString&)>& measure,
               const QString& suffix = QString()) {
    int lo = 0;
    int hi = int(text.size());
    while (lo < hi) {
        const int mid = (lo + hi + 1) / 2;
        if (measure(text.left(mid) + suffix) <= width) {
            lo = mid;
        } else {
            hi = mid - 1;
        }
    }
    return lo;
}

struct Piece {
    int offset;
    QString text;
};

// WrapLine with the offset of each piece in the line, for mapping underlined characters.
QList<Piece> wrapPieces(const QString& line, qint64 width,
                        const std::function<int(const QString&)>& measure) {
    QList<Piece> out;
    const int n = int(line.size());
    int start = 0;
    while (start < n) {
        const int end = start + longestFit(line.mid(start), width, measure);
        if (end == n) {
            out.append({start, line.mid(start)});
            break;
        }
        int brk = -1;
        for (int b = end; b > start; --b) {
            if (canBreakBefore(line, b)) {
                brk = b;
                break;
            }
        }
        if (brk < 0) {
            // A word wider than the line is not split: it runs on to its end.
            brk = end + 1;
            while (brk < n && !canBreakBefore(line, brk))
                ++brk;
        }
        QString piece = line.mid(start, brk - start);
        while (piece.endsWith(u' '))
            piece.chop(1);
        out.append({start, piece});
        start = brk;
        while (start < n && line[start] == u' ')
            ++start;
    }
    if (out.isEmpty()) out.append({0, QString()});
    return out;
}

// Splits at CR LF, lone CR and lone LF, keeping each line's offset.
QList<Piece> splitLines(const QString& text) {
    QList<Piece> out;
    int start = 0;
    const int n = int(text.size());
    for (int i = 0; i < n; ++i) {
        if (text[i] != u'\r' && text[i] != u'\n') continue;
        out.append({start, text.mid(start, i - start)});
        if (text[i] == u'\r' && i + 1 < n && text[i + 1] == u'\n') ++i;
        start = i + 1;
    }
    out.append({start, text.mid(start)});
    return out;
}

bool hatchBit(int hatch, int x, int y) {
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

// On/off run lengths of the dashed cosmetic pens.
QList<int> penPattern(int style) {
    switch (style) {
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

bool patternOn(const QList<int>& pattern, qint64 i) {
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

// Rows of a round pen tip of the given width: offsets (dy, first dx, last dx). An even width
// covers w/2 pixels before the centre pixel's edge and w/2 - 1 after it, as the system's pens do.
struct TipRow {
    int dy;
    int dx0;
    int dx1;
};
const std::vector<TipRow>& penTip(int w) {
    // Lines stamp the same tip at every step; keep the last one built.
    thread_local int cachedWidth = 0;
    thread_local std::vector<TipRow> rows;
    if (w == cachedWidth) return rows;
    cachedWidth = w;
    rows.clear();
    const int lo = -(w / 2);
    const int hi = w - w / 2 - 1;
    const double c = (lo + hi + 1) / 2.0;
    const double r = w / 2.0;
    for (int dy = lo; dy <= hi; ++dy) {
        const double ey = dy + 0.5 - c;
        const double half = std::sqrt(std::max(0.0, r * r - ey * ey)) + 1e-9;
        rows.push_back({dy, int(std::ceil(c - half - 0.5)), int(std::floor(c + half - 0.5))});
    }
    return rows;
}

// Collects rows of spans into a QRegion, merging equal neighbouring rows into one band.
class RegionBuilder {
public:
    void addRow(int y, const QList<Span>& spans) {
        if (!spans.isEmpty() && spans == m_prev && y == m_bandTop + m_bandHeight) {
            ++m_bandHeight;
            const qsizetype first = m_rects.size() - spans.size();
            for (qsizetype i = first; i < m_rects.size(); ++i)
                m_rects[i].setHeight(m_bandHeight);
            return;
        }
        m_prev = spans;
        m_bandTop = y;
        m_bandHeight = 1;
        for (const Span& s : spans)
            m_rects.append(QRect(s.x0, y, s.x1 - s.x0, 1));
    }
    QRegion finish() const {
        QRegion region;
        if (!m_rects.isEmpty()) region.setRects(m_rects.constData(), int(m_rects.size()));
        return region;
    }

private:
    QList<QRect> m_rects;
    QList<Span> m_prev;
    int m_bandTop = 0;
    int m_bandHeight = 0;
};

QList<Span> clampSpans(QList<Span> spans) {
    QList<Span> out;
    for (Span s : spans) {
        s.x0 = std::max(s.x0, -kRegionLimit);
        s.x1 = std::min(s.x1, kRegionLimit);
        if (!s.isEmpty()) out.append(s);
    }
    return out;
}

}  // namespace

Brush Brush::FromFillStyle(int fillStyle, quint32 color) {
    switch (fillStyle) {
        case 0:
            return Solid(color);
        case 2:
            return Hatched(HS_HORIZONTAL, color);
        case 3:
            return Hatched(HS_VERTICAL, color);
        case 4:
            return Hatched(HS_BDIAGONAL, color);  // upward diagonal
        case 5:
            return Hatched(HS_FDIAGONAL, color);  // downward diagonal
        case 6:
            return Hatched(HS_CROSS, color);
        case 7:
            return Hatched(HS_DIAGCROSS, color);
        default:
            return Null();
    }
}

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
    return {clampCoord(x0), clampCoord(x1)};
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
    auto toPixel = [](double x) { return clampCoord(qint64(std::ceil(x - 0.5))); };
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

PrefixedText StripPrefixes(const QString& text) {
    PrefixedText out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != u'&') {
            out.text.append(text[i]);
            continue;
        }
        if (++i >= text.size()) break;  // a trailing '&' shows nothing
        if (text[i] != u'&') out.underlined.append(int(out.text.size()));
        out.text.append(text[i]);
    }
    return out;
}

QStringList WrapLine(const QString& line, int width,
                     const std::function<int(const QString&)>& measure) {
    QStringList out;
    for (const Piece& p : wrapPieces(line, width, measure))
        out.append(p.text);
    return out;
}

Region Region::FromRect(const Rect& rect) {
    const Rect r = clampRect(rect);
    if (r.isEmpty()) return {};
    return Region(QRegion(r.toQRect()));
}

Region Region::FromRoundRect(const Rect& rect, int ellipseWidth, int ellipseHeight) {
    RegionBuilder builder;
    const int top = std::max(rect.top, -kRegionLimit);
    const int bottom = std::min(rect.bottom, kRegionLimit);
    for (int y = top; y < bottom; ++y) {
        const Span s = RoundRectRow(rect, ellipseWidth, ellipseHeight, y);
        builder.addRow(y, clampSpans({s}));
    }
    return Region(builder.finish());
}

Region Region::FromEllipse(const Rect& rect) {
    return FromRoundRect(rect, int(std::clamp<qint64>(qint64(rect.right) - rect.left, 0, INT_MAX)),
                         int(std::clamp<qint64>(qint64(rect.bottom) - rect.top, 0, INT_MAX)));
}

Region Region::FromPolygon(const QList<QPoint>& points, int fillMode) {
    if (points.size() < 3) return {};
    int top = INT_MAX;
    int bottom = INT_MIN;
    for (const QPoint& p : points) {
        top = std::min(top, p.y());
        bottom = std::max(bottom, p.y());
    }
    top = std::max(top, -kRegionLimit);
    bottom = std::min(bottom, kRegionLimit);
    RegionBuilder builder;
    for (int y = top; y < bottom; ++y)
        builder.addRow(y, clampSpans(PolygonRow(points, fillMode, y)));
    return Region(builder.finish());
}

Region Region::FromImage(const QImage& image, quint32 transparentColor) {
    if (image.isNull()) return {};
    const QImage img = image.convertToFormat(QImage::Format_RGB32);
    const QRgb key = Colors::ToRgb(transparentColor) & 0xFFFFFF;
    RegionBuilder builder;
    for (int y = 0; y < img.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(img.constScanLine(y));
        QList<Span> spans;
        for (int x = 0; x < img.width();) {
            if ((row[x] & 0xFFFFFF) == key) {
                ++x;
                continue;
            }
            const int start = x;
            while (x < img.width() && (row[x] & 0xFFFFFF) != key)
                ++x;
            spans.append({start, x});
        }
        builder.addRow(y, spans);
    }
    return Region(builder.finish());
}

Region Region::Combine(const Region& a, const Region& b, int mode) {
    switch (mode) {
        case RGN_AND:
            return Region(a.m_region.intersected(b.m_region));
        case RGN_OR:
            return Region(a.m_region.united(b.m_region));
        case RGN_XOR:
            return Region(a.m_region.xored(b.m_region));
        case RGN_DIFF:
            return Region(a.m_region.subtracted(b.m_region));
        case RGN_COPY:
            return a;
        default:
            return {};
    }
}

}  // namespace Gdi

using namespace Gdi;

namespace {

using Colors::ToQColor;
using Colors::ToRgb;

// Larger surfaces than any screen are refused: the image would only exhaust memory.
constexpr int kMaxSide = 8192;

// The image is 96 dpi, so point sizes map to pixels as on the target desktop (9 pt = 12 px).
constexpr int kDotsPerMeter96Dpi = 3780;

int penWidthOf(const Pen& pen) {
    return std::clamp(pen.width, 1, 4096);
}

}  // namespace

Surface::Surface(QSize size) {
    clearImage(size);
}

void Surface::Resize(QSize size) {
    clearImage(size);
}

void Surface::clearImage(QSize size) {
    m_image = QImage(size.expandedTo(QSize(1, 1)).boundedTo(QSize(kMaxSide, kMaxSide)),
                     QImage::Format_RGB32);
    m_image.setDotsPerMeterX(kDotsPerMeter96Dpi);
    m_image.setDotsPerMeterY(kDotsPerMeter96Dpi);
    m_image.fill(ToRgb(m_bkColor));
}

void Surface::Cls() {
    m_image.fill(ToRgb(m_bkColor));
    m_position = QPoint(0, 0);
}

Pen Surface::SelectPen(const Pen& pen) {
    return std::exchange(m_pen, pen);
}

Brush Surface::SelectBrush(const Brush& brush) {
    return std::exchange(m_brush, brush);
}

quint32 Surface::SetTextColor(quint32 color) {
    return std::exchange(m_textColor, color);
}

quint32 Surface::SetBkColor(quint32 color) {
    return std::exchange(m_bkColor, color);
}

int Surface::SetBkMode(int mode) {
    if (mode != TRANSPARENT && mode != OPAQUE) return 0;  // the system's failure value
    return std::exchange(m_bkMode, mode);
}

QPoint Surface::MoveToEx(int x, int y) {
    return std::exchange(m_position, QPoint(x, y));
}

QFont Surface::SelectFont(const QFont& font) {
    return std::exchange(m_font, PrepareFont(font));
}

QFont Surface::PrepareFont(QFont font) {
    if (FontSetup::IsSongFace(font.family())) {
        font.setStyleStrategy(QFont::StyleStrategy(font.styleStrategy() | QFont::NoAntialias));
    }
    return font;
}

quint32 Surface::SetPixel(int x, int y, quint32 color) {
    if (!m_image.valid(x, y)) return CLR_INVALID;
    const QRgb p = ToRgb(color);
    reinterpret_cast<QRgb*>(m_image.scanLine(y))[x] = p;
    return Colors::PixelToRgb(p);
}

quint32 Surface::GetPixel(int x, int y) const {
    if (!m_image.valid(x, y)) return CLR_INVALID;
    return Colors::PixelToRgb(reinterpret_cast<const QRgb*>(m_image.constScanLine(y))[x]);
}

void Surface::fillSpan(int y, int x0, int x1, quint32 pixel) {
    if (y < 0 || y >= height()) return;
    x0 = std::max(x0, 0);
    x1 = std::min(x1, width());
    if (x0 >= x1) return;
    auto* row = reinterpret_cast<QRgb*>(m_image.scanLine(y));
    std::fill(row + x0, row + x1, pixel);
}

void Surface::fillBrushSpan(int y, int x0, int x1) {
    if (m_brush.style == BS_SOLID) {
        fillSpan(y, x0, x1, ToRgb(m_brush.color));
        return;
    }
    if (m_brush.style != BS_HATCHED || y < 0 || y >= height()) return;
    // Hatch lines in the brush colour; between them the background, when it is opaque.
    const QRgb on = ToRgb(m_brush.color);
    const QRgb off = ToRgb(m_bkColor);
    auto* row = reinterpret_cast<QRgb*>(m_image.scanLine(y));
    for (int x = std::max(x0, 0); x < std::min(x1, width()); ++x) {
        if (hatchBit(m_brush.hatch, x, y)) {
            row[x] = on;
        } else if (m_bkMode == OPAQUE) {
            row[x] = off;
        }
    }
}

void Surface::stampRun(int y, int x0, int x1, int penWidth, quint32 pixel) {
    // The union of the pen tips along a horizontal run is one span per tip row.
    x0 = std::max(x0, -penWidth);
    x1 = std::min(x1, width() + penWidth);
    if (x0 >= x1) return;
    for (const auto& row : penTip(penWidth))
        fillSpan(y + row.dy, x0 + row.dx0, x1 + row.dx1, pixel);
}

void Surface::FillRect(const Rect& rect, quint32 color) {
    const Rect r = clampRect(rect);
    const QRgb p = ToRgb(color);
    for (int y = std::max(r.top, 0); y < std::min(r.bottom, height()); ++y) {
        fillSpan(y, r.left, r.right, p);
    }
}

void Surface::FrameRect(const Rect& rect, quint32 color) {
    const Rect r = clampRect(rect);
    if (r.isEmpty()) return;
    FillRect({r.left, r.top, r.right, r.top + 1}, color);
    FillRect({r.left, r.bottom - 1, r.right, r.bottom}, color);
    FillRect({r.left, r.top, r.left + 1, r.bottom}, color);
    FillRect({r.right - 1, r.top, r.right, r.bottom}, color);
}

void Surface::DrawFocusRect(const Rect& rect) {
    const Rect r = clampRect(rect);
    if (r.isEmpty()) return;
    // Every other pixel of the frame is inverted, so a second call removes the rectangle.
    auto invert = [this](int x, int y) {
        if (!m_image.valid(x, y) || (x + y) % 2 != 0) return;
        reinterpret_cast<QRgb*>(m_image.scanLine(y))[x] ^= 0xFFFFFF;
    };
    const int x0 = std::max(r.left, -1);
    const int x1 = std::min(r.right, width() + 1);
    for (int x = x0; x < x1; ++x) {
        invert(x, r.top);
        if (r.bottom - 1 != r.top) invert(x, r.bottom - 1);
    }
    const int y0 = std::max(r.top + 1, -1);
    const int y1 = std::min(r.bottom - 1, height() + 1);
    for (int y = y0; y < y1; ++y) {
        invert(r.left, y);
        if (r.right - 1 != r.left) invert(r.right - 1, y);
    }
}

void Surface::FillRgn(const Region& region, quint32 color) {
    const QRgb p = ToRgb(color);
    const QRegion visible = region.toQRegion().intersected(QRect(QPoint(0, 0), size()));
    for (const QRect& r : visible) {
        for (int y = r.top(); y <= r.bottom(); ++y)
            fillSpan(y, r.left(), r.right() + 1, p);
    }
}

void Surface::drawShape(const Rect& box, int ellipseWidth, int ellipseHeight) {
    const bool hasPen = m_pen.style != PS_NULL;
    if (m_brush.style != BS_NULL) {
        // Without an outline the system leaves the right column and the bottom row unfilled.
        const Rect fill = hasPen ? box : Rect{box.left, box.top, box.right - 1, box.bottom - 1};
        for (int y = std::max(fill.top, 0); y < std::min(fill.bottom, height()); ++y) {
            const Span s = RoundRectRow(fill, ellipseWidth, ellipseHeight, y);
            fillBrushSpan(y, s.x0, s.x1);
        }
    }
    if (!hasPen) return;
    // The outline is the shape's edge pixels: those with a neighbour above, below, left or
    // right outside the shape. Wide pens are centred on them.
    const int w = penWidthOf(m_pen);
    const QRgb p = ToRgb(m_pen.color);
    const int y0 = std::max(box.top, -w);
    const int y1 = std::min(box.bottom, height() + w);
    for (int y = y0; y < y1; ++y) {
        const Span s = RoundRectRow(box, ellipseWidth, ellipseHeight, y);
        if (s.isEmpty()) continue;
        const Span up = RoundRectRow(box, ellipseWidth, ellipseHeight, y - 1);
        const Span down = RoundRectRow(box, ellipseWidth, ellipseHeight, y + 1);
        int in0 = s.x1;
        int in1 = s.x1;
        if (!up.isEmpty() && !down.isEmpty()) {
            in0 = std::max({s.x0 + 1, up.x0, down.x0});
            in1 = std::min({s.x1 - 1, up.x1, down.x1});
        }
        if (in0 >= in1) {
            stampRun(y, s.x0, s.x1, w, p);
        } else {
            stampRun(y, s.x0, in0, w, p);
            stampRun(y, in1, s.x1, w, p);
        }
    }
}

void Surface::Rectangle(int left, int top, int right, int bottom) {
    const Rect box = shapeBox(left, top, right, bottom);
    if (m_pen.style == PS_SOLID || m_pen.style == PS_NULL || m_pen.width > 1) {
        drawShape(box, 0, 0);
        return;
    }
    // A dashed outline follows the path round the box so its pattern runs on.
    const Pen pen = SelectPen(Pen{PS_NULL, 1, 0});
    drawShape({box.left, box.top, box.right + 1, box.bottom + 1}, 0, 0);
    SelectPen(pen);
    if (box.isEmpty()) return;
    const QPoint corners[] = {{box.left, box.top},
                              {box.right - 1, box.top},
                              {box.right - 1, box.bottom - 1},
                              {box.left, box.bottom - 1}};
    for (int i = 0; i < 4; ++i)
        drawLine(corners[i], corners[(i + 1) % 4]);
}

void Surface::RoundRect(int left, int top, int right, int bottom, int ellipseWidth,
                        int ellipseHeight) {
    drawShape(shapeBox(left, top, right, bottom), ellipseWidth, ellipseHeight);
}

void Surface::Ellipse(int left, int top, int right, int bottom) {
    const Rect box = shapeBox(left, top, right, bottom);
    drawShape(box, box.right - box.left, box.bottom - box.top);
}

void Surface::Polygon(const QList<QPoint>& points) {
    if (points.size() < 2) return;
    QList<QPoint> pts;
    for (const QPoint& p : points)
        pts.append(clampPoint(p));
    if (m_brush.style != BS_NULL) {
        for (int y = 0; y < height(); ++y) {
            for (const Span& s : PolygonRow(pts, ALTERNATE, y))
                fillBrushSpan(y, s.x0, s.x1);
        }
    }
    // The closing edge ends where the first began, so every corner gets drawn.
    for (qsizetype i = 0; i < pts.size(); ++i)
        drawLine(pts[i], pts[(i + 1) % pts.size()]);
}

void Surface::LineTo(int x, int y) {
    drawLine(m_position, QPoint(x, y));
    m_position = QPoint(x, y);
}

void Surface::Polyline(const QList<QPoint>& points) {
    for (qsizetype i = 0; i + 1 < points.size(); ++i)
        drawLine(points[i], points[i + 1]);
}

void Surface::drawLine(QPoint from, QPoint to) {
    if (m_pen.style == PS_NULL) return;
    const QPoint a = clampPoint(from);
    const QPoint b = clampPoint(to);
    const int w = penWidthOf(m_pen);
    const qint64 dx = qint64(b.x()) - a.x();
    const qint64 dy = qint64(b.y()) - a.y();
    const bool xMajor = std::abs(dx) >= std::abs(dy);
    const qint64 major = xMajor ? std::abs(dx) : std::abs(dy);
    const qint64 minor = xMajor ? std::abs(dy) : std::abs(dx);
    const int majorStep = (xMajor ? dx : dy) < 0 ? -1 : 1;
    const int minorStep = (xMajor ? dy : dx) < 0 ? -1 : 1;
    const qint64 majorStart = xMajor ? a.x() : a.y();
    const qint64 minorStart = xMajor ? a.y() : a.x();
    const qint64 limit = xMajor ? width() : height();
    // A 1-pixel pen leaves out the end point; a wide pen has a round cap there.
    const qint64 last = w == 1 ? major - 1 : major;
    // Only the steps whose major coordinate can touch the image are walked.
    qint64 first = 0;
    qint64 stop = last;
    if (majorStep > 0) {
        first = std::max<qint64>(first, -w - majorStart);
        stop = std::min<qint64>(stop, limit + w - majorStart);
    } else {
        first = std::max<qint64>(first, majorStart - limit - w);
        stop = std::min<qint64>(stop, majorStart + w);
    }
    const QList<int> pattern = w == 1 ? penPattern(m_pen.style) : QList<int>{};
    const QRgb on = ToRgb(m_pen.color);
    const QRgb off = ToRgb(m_bkColor);
    for (qint64 i = first; i <= stop; ++i) {
        const qint64 m = majorStart + majorStep * i;
        const qint64 n = major == 0
                             ? minorStart
                             : minorStart + minorStep * ((2 * i * minor + major) / (2 * major));
        const int x = int(xMajor ? m : n);
        const int y = int(xMajor ? n : m);
        if (w > 1) {
            stampRun(y, x, x + 1, w, on);
        } else if (patternOn(pattern, i)) {
            fillSpan(y, x, x + 1, on);
        } else if (m_bkMode == OPAQUE) {
            fillSpan(y, x, x + 1, off);  // gaps of a styled pen show the background
        }
    }
}

namespace {

// Parameters of one copy: destination and source rectangles, and what happens per pixel.
struct Blit {
    int x, y, w, h;
    int sx, sy, sw, sh;
};

}  // namespace

// Source pixels are read in the given 32-bit format. The converted image is a shared copy: if
// src is our own image, writing detaches ours and leaves the source intact.
template <typename PixelOp>
static bool blit(QImage& dst, const QImage& src, QImage::Format format, const Blit& b, PixelOp op) {
    if (src.isNull() || b.w <= 0 || b.h <= 0 || b.sw <= 0 || b.sh <= 0) return false;
    const QImage source = src.convertToFormat(format);
    // Only the destination pixels inside our image are visited.
    const qint64 i0 = std::max<qint64>(0, -qint64(b.x));
    const qint64 i1 = std::min<qint64>(b.w, qint64(dst.width()) - b.x);
    const qint64 j0 = std::max<qint64>(0, -qint64(b.y));
    const qint64 j1 = std::min<qint64>(b.h, qint64(dst.height()) - b.y);
    for (qint64 j = j0; j < j1; ++j) {
        const qint64 syy = qint64(b.sy) + StretchSourceIndex(int(j), b.h, b.sh);
        if (syy < 0 || syy >= source.height()) continue;
        const auto* srow = reinterpret_cast<const QRgb*>(source.constScanLine(int(syy)));
        auto* drow = reinterpret_cast<QRgb*>(dst.scanLine(int(b.y + j)));
        for (qint64 i = i0; i < i1; ++i) {
            const qint64 sxx = qint64(b.sx) + StretchSourceIndex(int(i), b.w, b.sw);
            if (sxx < 0 || sxx >= source.width()) continue;
            op(srow[sxx], drow[b.x + i]);
        }
    }
    return true;
}

bool Surface::BitBlt(int x, int y, int w, int h, const QImage& src, int sx, int sy, quint32 rop) {
    return StretchBlt(x, y, w, h, src, sx, sy, w, h, rop);
}

bool Surface::StretchBlt(int x, int y, int w, int h, const QImage& src, int sx, int sy, int sw,
                         int sh, quint32 rop) {
    quint32 probe = 0;
    if (!ApplyRop(rop, 0, 0, &probe)) return false;
    return blit(m_image, src, QImage::Format_RGB32, {x, y, w, h, sx, sy, sw, sh},
                [rop](QRgb s, QRgb& d) {
                    quint32 r = 0;
                    ApplyRop(rop, s & 0xFFFFFF, d & 0xFFFFFF, &r);
                    d = 0xFF000000u | r;
                });
}

bool Surface::TransparentBlt(int x, int y, int w, int h, const QImage& src, int sx, int sy, int sw,
                             int sh, quint32 transparentColor) {
    const QRgb key = ToRgb(transparentColor) & 0xFFFFFF;
    return blit(m_image, src, QImage::Format_RGB32, {x, y, w, h, sx, sy, sw, sh},
                [key](QRgb s, QRgb& d) {
                    if ((s & 0xFFFFFF) != key) d = 0xFF000000u | s;
                });
}

bool Surface::DrawIconEx(int x, int y, const QImage& icon, int w, int h) {
    if (icon.isNull()) return false;
    if (w == 0) w = icon.width();
    if (h == 0) h = icon.height();
    return blit(m_image, icon, QImage::Format_ARGB32,
                {x, y, w, h, 0, 0, icon.width(), icon.height()},
                [](QRgb s, QRgb& d) { d = Colors::AlphaBlend(s, d, qAlpha(s)); });
}

int Surface::LineHeight() const {
    return QFontMetrics(m_font, &m_image).height();
}

QSize Surface::GetTextExtentPoint32(const QString& text) const {
    const QFontMetrics fm(m_font, &m_image);
    return {fm.horizontalAdvance(text), fm.height()};
}

int Surface::TextWidth(const QString& text) const {
    const QFontMetrics fm(m_font, &m_image);
    int widest = 0;
    for (const auto& line : splitLines(text))
        widest = std::max(widest, fm.horizontalAdvance(line.text));
    return widest;
}

int Surface::TextHeight(const QString& text) const {
    return int(splitLines(text).size()) * LineHeight();
}

void Surface::drawTextLine(int x, int y, const PrefixedText& line, const QRect* clip) {
    if (m_image.isNull() || line.text.isEmpty()) return;
    const QFontMetrics fm(m_font, &m_image);
    const QColor color = ToQColor(m_textColor);
    QPainter painter(&m_image);
    if (clip) painter.setClipRect(*clip);
    if (m_bkMode == OPAQUE) {
        painter.fillRect(QRect(x, y, fm.horizontalAdvance(line.text), fm.height()),
                         ToQColor(m_bkColor));
    }
    painter.setFont(m_font);
    painter.setPen(color);
    painter.drawText(QPoint(x, y + fm.ascent()), line.text);
    // Prefix underlines sit just below the baseline, inside the cell.
    const int uy = std::min(y + fm.ascent() + std::max(1, fm.underlinePos()), y + fm.height() - 1);
    for (int index : line.underlined) {
        if (index < 0 || index >= line.text.size()) continue;
        const int ux = x + fm.horizontalAdvance(line.text.left(index));
        painter.fillRect(QRect(ux, uy, fm.horizontalAdvance(line.text.at(index)), 1), color);
    }
}

bool Surface::TextOut(int x, int y, const QString& text) {
    drawTextLine(x, y, {text, {}}, nullptr);
    return true;
}

bool Surface::DrawState(const QString& text, int x, int y, unsigned flags) {
    if ((flags & 0x000F) != DST_TEXT) return false;
    const int mode = std::exchange(m_bkMode, TRANSPARENT);
    const quint32 color = m_textColor;
    if (flags & DSS_DISABLED) {
        m_textColor = Colors::kButtonHighlight;
        TextOut(x + 1, y + 1, text);
        m_textColor = Colors::kButtonShadow;
    }
    TextOut(x, y, text);
    m_textColor = color;
    m_bkMode = mode;
    return true;
}

namespace {

// The lines DrawText shows: split at line breaks (unless single-line), wrapped, shortened with
// an ellipsis, each with its underlined characters.
QList<PrefixedText> layoutText(const PrefixedText& all, unsigned format, qint64 width,
                               const std::function<int(const QString&)>& measure) {
    QList<Piece> lines;
    if (format & DT_SINGLELINE) {
        lines.append({0, all.text});
    } else {
        for (const Piece& line : splitLines(all.text)) {
            if (!(format & DT_WORDBREAK)) {
                lines.append(line);
                continue;
            }
            for (const Piece& p : wrapPieces(line.text, width, measure)) {
                lines.append({line.offset + p.offset, p.text});
            }
        }
    }
    QList<PrefixedText> out;
    for (const Piece& line : lines) {
        PrefixedText t{line.text, {}};
        for (int index : all.underlined) {
            if (index >= line.offset && index < line.offset + line.text.size()) {
                t.underlined.append(index - line.offset);
            }
        }
        if ((format & DT_END_ELLIPSIS) && measure(t.text) > width) {
            t.text.truncate(longestFit(t.text, width, measure, "..."));
            t.underlined.removeIf([&](int i) { return i >= t.text.size(); });
            t.text += "...";
        }
        out.append(t);
    }
    return out;
}

}  // namespace

int Surface::DrawText(const QString& text, Rect* rectPtr, unsigned format) {
    if (!rectPtr) return 0;
    Rect& rect = *rectPtr;
    const QFontMetrics fm(m_font, &m_image);
    const int lineHeight = fm.height();
    if (text.isEmpty()) {
        if (format & DT_CALCRECT) {
            rect.right = rect.left;
            rect.bottom = (format & DT_SINGLELINE) ? rect.top + lineHeight : rect.top;
        }
        return lineHeight;
    }
    const PrefixedText all = (format & DT_NOPREFIX) ? PrefixedText{text, {}} : StripPrefixes(text);
    auto measure = [&fm](const QString& s) { return fm.horizontalAdvance(s); };
    const qint64 width = qint64(rect.right) - rect.left;
    const QList<PrefixedText> lines = layoutText(all, format, width, measure);
    const int total = int(std::min<qint64>(qint64(lines.size()) * lineHeight, INT_MAX));

    if (format & DT_CALCRECT) {
        int widest = 0;
        for (const auto& line : lines)
            widest = std::max(widest, measure(line.text));
        rect.right = clampCoord(qint64(rect.left) + widest);
        rect.bottom = clampCoord(qint64(rect.top) + total);
        return total;
    }

    // Vertical placement applies to single lines only, as with the system's DrawText.
    qint64 y = rect.top;
    if (format & DT_SINGLELINE) {
        if (format & DT_VCENTER) {
            y = rect.top + (qint64(rect.bottom) - rect.top - lineHeight) / 2;
        } else if (format & DT_BOTTOM) {
            y = qint64(rect.bottom) - lineHeight;
        }
    }
    const int result = (format & DT_SINGLELINE) && (format & (DT_VCENTER | DT_BOTTOM))
                           ? clampCoord(y - rect.top + lineHeight)
                           : total;
    const Rect box = clampRect(rect);
    const QRect clip = box.toQRect();
    if (!(format & DT_NOCLIP) && box.isEmpty()) return result;
    for (const auto& line : lines) {
        const qint64 lw = measure(line.text);
        qint64 x = box.left;
        if (format & DT_CENTER) {
            x = box.left + (qint64(box.right) - box.left - lw) / 2;
        } else if (format & DT_RIGHT) {
            x = box.right - lw;
        }
        drawTextLine(clampCoord(x), clampCoord(y), line, (format & DT_NOCLIP) ? nullptr : &clip);
        y += lineHeight;
        if (y > height() + qint64(kCoordLimit)) break;
    }
    return result;
}
