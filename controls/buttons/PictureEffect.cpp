#include "PictureEffect.h"

#include <QPainter>

#include "Colors.h"
#include "Rounding.h"

QRect PictureEffect::VisiblePart(const Surface& surface, int x, int y, int w, int h) {
    const qint64 left = qMax<qint64>(x, 0);
    const qint64 top = qMax<qint64>(y, 0);
    const qint64 right = qMin<qint64>(qint64(x) + w, surface.width());
    const qint64 bottom = qMin<qint64>(qint64(y) + h, surface.height());
    if (right <= left || bottom <= top) return {};
    return QRect(int(left), int(top), int(right - left), int(bottom - top));
}

void PictureEffect::DrawScaledPart(QImage* canvas, const QImage& picture, int x, int y, int w,
                                   int h, const QRect& visible) {
    QPainter painter(canvas);
    painter.translate(double(x) - visible.x(), double(y) - visible.y());
    painter.scale(double(w) / picture.width(), double(h) / picture.height());
    painter.drawImage(0, 0, picture);
}

std::optional<quint32> PictureEffect::Merge(quint32 picture, quint32 under) const {
    if (picture == key) return std::nullopt;
    const int r = Colors::Red(picture);
    const int g = Colors::Green(picture);
    const int b = Colors::Blue(picture);
    if (paint) {
        if (brightOnly && r + g + b > 384) return std::nullopt;
        return *paint;
    }
    if (greyscale) {
        const int grey = RoundHalfEven(RoundHalfEven(0.3 * r) + 0.59 * g + 0.11 * b);
        return Colors::Rgb(grey, grey, grey);
    }
    if (blend) {
        return Colors::Rgb((2 * r + Colors::Red(under)) / 3, (2 * g + Colors::Green(under)) / 3,
                           (2 * b + Colors::Blue(under)) / 3);
    }
    return picture;
}

void PictureEffect::Draw(Surface& surface, int x, int y, int w, int h,
                         const QImage& picture) const {
    if (w == 0 || h == 0 || picture.isNull()) return;
    if (w < 0) w = picture.width();
    if (h < 0) h = picture.height();
    const QRect visible = VisiblePart(surface, x, y, w, h);
    if (visible.isEmpty()) return;
    // A see-through picture is laid over the key colour first, so that its clear pixels stay
    // clear.
    QImage source(visible.size(), QImage::Format_RGB32);
    source.fill(Colors::RgbToPixel(key));
    DrawScaledPart(&source, picture, x, y, w, h, visible);
    for (int j = 0; j < visible.height(); ++j) {
        for (int i = 0; i < visible.width(); ++i) {
            const int px = visible.x() + i;
            const int py = visible.y() + j;
            const quint32 under = surface.GetPixel(px, py);
            const auto merged = Merge(Colors::PixelToRgb(source.pixel(i, j)), under);
            if (merged) surface.SetPixel(px, py, *merged);
        }
    }
}
