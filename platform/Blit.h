#pragma once

#include <QImage>
#include <QtGlobal>

#include <algorithm>

#include "Raster.h"

namespace Gdi {

// Destination and source rectangles of one image copy.
struct BlitArea {
    int x, y, w, h;
    int sx, sy, sw, sh;
};

// Copies the source rectangle of src onto the destination rectangle of dst, stretched by nearest
// neighbour, calling op(source pixel, destination pixel&) for every destination pixel that has a
// source pixel; parts outside either image are skipped. Returns false, copying nothing, for a
// null source or an empty rectangle.
//
// Source pixels are read in the given 32-bit format. The converted image is a shared copy: if
// src is dst itself, writing detaches dst and leaves the source intact.
template <typename PixelOp>
bool Blit(QImage& dst, const QImage& src, QImage::Format format, const BlitArea& b, PixelOp op) {
    if (src.isNull() || b.w <= 0 || b.h <= 0 || b.sw <= 0 || b.sh <= 0) return false;
    const QImage source = src.convertToFormat(format);
    // Only the destination pixels inside dst are visited.
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

}  // namespace Gdi
