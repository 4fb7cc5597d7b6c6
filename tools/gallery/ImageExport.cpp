#include "ImageExport.h"

QImage ImageWithMask(const QImage& surface, const QRegion& mask) {
    QImage out = surface.convertToFormat(QImage::Format_ARGB32);
    if (mask.isEmpty()) return out;
    for (int y = 0; y < out.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x)
            if (!mask.contains(QPoint(x, y))) row[x] = 0;
    }
    return out;
}

bool SavePng(const QImage& image, const QString& path) {
    return image.save(path, "PNG");
}
