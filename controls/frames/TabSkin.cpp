#include "TabSkin.h"

#include "Colors.h"

namespace TabSkin {

namespace {

constexpr int kEdgeSourceLength = 10;    // cell height less two corners
constexpr int kMiddleSourceLength = 30;  // cell width less two corners
constexpr int kKeyBlock = 6;

}  // namespace

const QImage& SkinImage() {
    static const QImage image =
        QImage(QStringLiteral(":/images/SafetabsSkin.png")).convertToFormat(QImage::Format_RGB32);
    return image;
}

QList<quint32> ReadBorderColors(const QImage& skin) {
    QList<quint32> colors;
    for (int k = 0; k < kSkinCount; ++k) {
        const QPoint p(skin.width() - 1, kCellHeight * k + kCellHeight - 1);
        colors.append(skin.valid(p) ? Colors::PixelToRgb(skin.pixel(p)) : 0);
    }
    return colors;
}

void BuildTabFace(Surface& strip, const QImage& skin, int skinIndex, int x, int height,
                  FaceColumn column, int labelWidth) {
    const int w = labelWidth;
    const int h = height;
    const int t = strip.height() - h;
    const int sx = kCellWidth * int(column);
    const int sy = kCellHeight * skinIndex;
    const int c = kCorner;
    const int midW = w - 2 * c;
    const int midH = h - 2 * c;
    const int right = x + w - c;
    const int bottom = t + h - c;
    const int srcRight = sx + kCellWidth - c;
    const int srcBottom = sy + kCellHeight - c;
    // Corners unchanged, edges and centre stretched.
    strip.StretchBlt(x, t, c, c, skin, sx, sy, c, c);
    strip.StretchBlt(x, t + c, c, midH, skin, sx, sy + c, c, kEdgeSourceLength);
    strip.StretchBlt(x, bottom, c, c, skin, sx, srcBottom, c, c);
    strip.StretchBlt(x + c, t, midW, c, skin, sx + c, sy, kMiddleSourceLength, c);
    strip.StretchBlt(x + c, t + c, midW, midH, skin, sx + c, sy + c, kMiddleSourceLength,
                     kEdgeSourceLength);
    strip.StretchBlt(x + c, bottom, midW, c, skin, sx + c, srcBottom, kMiddleSourceLength, c);
    strip.StretchBlt(right, t, c, c, skin, srcRight, sy, c, c);
    strip.StretchBlt(right, t + c, c, midH, skin, srcRight, sy + c, c, kEdgeSourceLength);
    strip.StretchBlt(right, bottom, c, c, skin, srcRight, srcBottom, c, c);
    KeyCorner(strip, x, t);
    KeyCorner(strip, right, t);
}

void KeyCorner(Surface& strip, int x0, int y0) {
    for (int dx = 0; dx < kKeyBlock; ++dx) {
        for (int dy = 0; dy < kKeyBlock; ++dy) {
            if (strip.GetPixel(x0 + dx, y0 + dy) == kKeyColor)
                strip.SetPixel(x0 + dx, y0 + dy, kMaskColor);
        }
    }
}

void BuildWorkStrip(Surface& strip, const QImage& skin, int skinIndex,
                    const TabGeometry::Sizes& sizes) {
    strip.SetBkColor(kMaskColor);
    strip.Resize(QSize(3 * sizes.labelWidth, sizes.StripHeight()));
    // A skin outside the image has no faces: the strip stays see-through.
    if (skinIndex < 0 || skinIndex >= kSkinCount) return;
    const int w = sizes.labelWidth;
    BuildTabFace(strip, skin, skinIndex, 0, sizes.labelActHeight, FaceColumn::Active, w);
    BuildTabFace(strip, skin, skinIndex, w, sizes.labelHeight, FaceColumn::Hovered, w);
    BuildTabFace(strip, skin, skinIndex, 2 * w, sizes.labelHeight, FaceColumn::Other, w);
}

}  // namespace TabSkin
