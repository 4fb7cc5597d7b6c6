#pragma once

#include <QImage>
#include <QList>
#include <QPoint>
#include <QRegion>
#include <QtGlobal>

#include "Gdi.h"

namespace Gdi {

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

}  // namespace Gdi
