#include "DialogPictures.h"

#include <QPainter>

namespace DialogPictures {

QImage PlainDialog(QSize size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(QColor(0x6E, 0x6E, 0x6A));
    QPainter painter(&image);
    // Bevel: light on the top and left edges, dark on the bottom and right.
    constexpr int kBorder = 8;
    for (int i = 0; i < kBorder; ++i) {
        const int shade = 0x9A - i * 8;
        painter.setPen(QColor(shade, shade, shade - 4));
        painter.drawLine(i, i, size.width() - 1 - i, i);
        painter.drawLine(i, i, i, size.height() - 1 - i);
        painter.setPen(QColor(shade / 2, shade / 2, shade / 2));
        painter.drawLine(i, size.height() - 1 - i, size.width() - 1 - i, size.height() - 1 - i);
        painter.drawLine(size.width() - 1 - i, i, size.width() - 1 - i, size.height() - 1 - i);
    }
    painter.fillRect(
        QRect(kBorder, kBorder, size.width() - 2 * kBorder, size.height() - 2 * kBorder),
        QColor(0x2A, 0x1E, 0x14));
    return image;
}

}  // namespace DialogPictures
