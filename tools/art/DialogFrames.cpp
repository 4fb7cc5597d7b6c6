// Draws the stone- and metal-framed dialogue pictures of the preview panes and writes them as
// 8-bit indexed PNGs into the folder given on the command line:
//   dialog_classic.png  416 x 176  plain dialogue window
//   dialog_large.png    416 x 347  the same window, large
//   dialog_task.png     328 x 385  task window with the "任务日志" and "任务描述" heading bands
//   notice_panel.png    256 x 359  server notice panel in a blue-grey metal frame
#include "ArtKit.h"

#include <QFont>
#include <QGuiApplication>
#include <QPainter>

using namespace ArtKit;

namespace {

const QColor kStone = Hex(0x7E7B74);
const QColor kBrownPanel = Hex(0x2C2016);
constexpr int kStoneWidth = 8;
constexpr int kCloseSize = 15;

// A dark brown textured panel in a grey stone border, with the close button at the top right.
QImage StoneDialog(QSize size, std::uint32_t seed) {
    QImage image(size, QImage::Format_RGB32);
    const QRect all = image.rect();
    const QRect inside = all.adjusted(kStoneWidth, kStoneWidth, -kStoneWidth, -kStoneWidth);
    TexturePanel(image, inside, kBrownPanel, seed);
    InnerShadow(image, inside, 5, 14);
    StoneFrame(image, all, kStoneWidth, kStone, seed + 100);
    CloseButton(image, QPoint(size.width() - kStoneWidth - kCloseSize + 3, 3), kCloseSize);
    return image;
}

// A sunken area inside a panel: a dark groove, then a slightly darker textured floor.
void SunkenArea(QImage& image, const QRect& area, std::uint32_t seed) {
    TexturePanel(image, area, Shade(kBrownPanel, -7), seed, 4.0, 4.0);
    for (int x = area.left() - 1; x <= area.right() + 1; ++x) {
        image.setPixelColor(x, area.top() - 1, Hex(0x120C08));
        image.setPixelColor(x, area.bottom() + 1, Shade(kBrownPanel, 22));
    }
    for (int y = area.top() - 1; y <= area.bottom() + 1; ++y) {
        image.setPixelColor(area.left() - 1, y, Hex(0x120C08));
        image.setPixelColor(area.right() + 1, y, Shade(kBrownPanel, 22));
    }
    InnerShadow(image, area, 4, 10);
}

// A raised band of stone-grey metal with a centred heading in pale gold.
void HeadingBand(QImage& image, const QRect& band, const QString& text, int pixelSize,
                 std::uint32_t seed) {
    const QColor top = Hex(0x5A4A36), bottom = Hex(0x32281C);
    for (int y = band.top(); y <= band.bottom(); ++y)
        for (int x = band.left(); x <= band.right(); ++x) {
            QColor c = Mix(top, bottom, double(y - band.top()) / std::max(1, band.height() - 1));
            c = Shade(c, 4 * Noise(x, y, seed) + 5 * Mottle(x, y, 12.0, seed + 1));
            const int d = DepthIn(band, x, y);
            const bool lit = FacingOf(band, x, y) == Edge::Lit;
            if (d == 0)
                c = Hex(0x140E08);
            else if (d == 1)
                c = Shade(c, lit ? 40 : -28);
            image.setPixelColor(x, y, c);
        }
    // Small gilded studs at both ends of the band.
    for (int side = 0; side < 2; ++side) {
        const int cx = side == 0 ? band.left() + 7 : band.right() - 7;
        const int cy = band.center().y();
        for (int dy = -2; dy <= 2; ++dy)
            for (int dx = -2; dx <= 2; ++dx) {
                if (std::abs(dx) + std::abs(dy) > 2) continue;
                const double light = -(dx + dy) / 4.0;
                image.setPixelColor(cx + dx, cy + dy,
                                    Mix(Hex(0x8A6420), Hex(0xFFE9A0), 0.5 + light * 0.6));
            }
    }
    QPainter painter(&image);
    // The Ming face carries hand-tuned bitmaps at these sizes: drawn without smoothing, the
    // heading is as sharp as a game client's own captions.
    QFont font(QStringLiteral("AR PL UMing CN"));
    font.setPixelSize(pixelSize);
    font.setStyleStrategy(QFont::NoAntialias);
    painter.setFont(font);
    painter.setPen(Hex(0x0C0804));
    painter.drawText(band.translated(1, 1), Qt::AlignCenter, text);
    painter.setPen(Hex(0xF2D48A));
    painter.drawText(band, Qt::AlignCenter, text);
}

QImage TaskDialog() {
    QImage image = StoneDialog(QSize(328, 385), 31);
    HeadingBand(image, QRect(14, 12, 290, 22), QStringLiteral("任务日志"), 16, 41);
    SunkenArea(image, QRect(16, 40, 296, 139), 43);
    HeadingBand(image, QRect(14, 186, 300, 20), QStringLiteral("任务描述"), 14, 47);
    SunkenArea(image, QRect(16, 212, 296, 162), 53);
    return image;
}

// A domed rivet, lit from the top left, with a dark rim where it sits in the metal.
void Rivet(QImage& image, QPoint at) {
    for (int dy = -2; dy <= 2; ++dy)
        for (int dx = -2; dx <= 2; ++dx) {
            if (dx * dx + dy * dy > 5) continue;
            const double light = 0.5 - (dx + dy) / 6.0;
            QColor c = Mix(Hex(0x2A3340), Hex(0xE4EEF8), light);
            if (dx * dx + dy * dy > 3) c = Mix(c, Hex(0x141A22), 0.4);
            image.setPixelColor(at + QPoint(dx, dy), c);
        }
}

// A brushed blue-grey metal border with rivets at the corners around a dark slate panel.
QImage NoticePanel() {
    const QSize size(256, 359);
    constexpr int kWidth = 9;
    QImage image(size, QImage::Format_RGB32);
    const QRect all = image.rect();
    const QRect inside = all.adjusted(kWidth, kWidth, -kWidth, -kWidth);
    TexturePanel(image, inside, Hex(0x1A1D24), 61, 5.0, 5.0);
    InnerShadow(image, inside, 5, 12);
    const QColor metal = Hex(0x627082);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x) {
            const int d = DepthIn(all, x, y);
            if (d >= kWidth) continue;
            const bool lit = FacingOf(all, x, y) == Edge::Lit;
            const bool horizontal =
                std::min(y, size.height() - 1 - y) <= std::min(x, size.width() - 1 - x);
            // Brushing runs along each side; a soft sheen rises towards the middle of the band.
            const double brush = horizontal ? ValueNoise(x * 0.15, y * 3.0, 6.0, 67)
                                            : ValueNoise(x * 3.0, y * 0.15, 6.0, 67);
            const double sheen = 18 - 5 * std::abs(d - (kWidth - 1) / 2.0);
            QColor c = Shade(metal, 10 * brush + sheen + 3 * Noise(x, y, 71));
            if (d == 0)
                c = Hex(0x0E1218);
            else if (d == 1)
                c = Shade(c, lit ? 58 : -46);
            else if (d == kWidth - 2)
                c = Shade(c, lit ? -42 : 30);
            else if (d == kWidth - 1)
                c = Hex(0x0A0C10);
            image.setPixelColor(x, y, c);
        }
    // Rivets at the corners and spaced along the middle of each side.
    QList<QPoint> rivets{{4, 4},
                         {size.width() - 5, 4},
                         {4, size.height() - 5},
                         {size.width() - 5, size.height() - 5}};
    for (int x = 64; x < size.width() - 32; x += 64)
        rivets << QPoint(x, 4) << QPoint(x, size.height() - 5);
    for (int y = 60; y < size.height() - 30; y += 60)
        rivets << QPoint(4, y) << QPoint(size.width() - 5, y);
    for (const QPoint& r : rivets)
        Rivet(image, r);
    return image;
}

}  // namespace

int main(int argc, char** argv) {
    return RunGenerator(argc, argv, [] {
        return QList<NamedImage>{
            {QStringLiteral("dialog_classic.png"), ToIndexed(StoneDialog(QSize(416, 176), 11))},
            {QStringLiteral("dialog_large.png"), ToIndexed(StoneDialog(QSize(416, 347), 21))},
            {QStringLiteral("dialog_task.png"), ToIndexed(TaskDialog())},
            {QStringLiteral("notice_panel.png"), ToIndexed(NoticePanel())}};
    });
}
