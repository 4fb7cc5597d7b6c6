#include "Region.h"

#include <algorithm>
#include <climits>

#include "Colors.h"
#include "Raster.h"

namespace Gdi {
namespace {

// Regions are built row by row; this keeps a wild polygon from building millions of rows.
constexpr int kRegionLimit = 32767;

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

Region Region::FromRect(const Rect& rect) {
    const Rect r = ClampRect(rect);
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
