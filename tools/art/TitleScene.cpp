// Draws the title picture (320 x 375, 32 bits): a character standing on sandy ground, seen from
// above at an angle, with a small name tag over its head about 200 pixels down and centred,
// where the title label's white lines begin. The sand is kept at a middle tone and darkened
// around the tag so that white text stays readable. Writes title_scene.png into the folder given.
#include "ArtKit.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>

using namespace ArtKit;

namespace {

const QSize kSize(320, 375);
constexpr double kCentreX = 160;
constexpr double kFeetY = 326;      // in the figure's own drawing
constexpr double kFigureDrop = 14;  // how far the figure is moved down in the scene

// Wind ripples across the sand, closer together towards the top (further away), with grain,
// a few pebbles and a darker vignette around the edges and behind the name tag.
void Sand(QImage& image) {
    const QColor sand = Hex(0x8E714A);
    for (int y = 0; y < kSize.height(); ++y)
        for (int x = 0; x < kSize.width(); ++x) {
            const double depth = 0.55 + 0.45 * y / kSize.height();  // 1 near, smaller far
            const double warp = 9 * ValueNoise(x, y, 40.0, 5);
            const double ripple = std::sin((y / depth + 0.25 * x + warp) * 0.32);
            double v = 9 * ripple * depth + 10 * Mottle(x, y, 36.0, 7) + 7 * Noise(x, y, 9);
            const double dx = (x - kCentreX) / kSize.width(), dy = (y - 190.0) / kSize.height();
            v -= 60 * (dx * dx + dy * dy);
            // Shade behind the tag and the first lines of the label.
            const double tx = (x - kCentreX) / 95.0, ty = (y - 218.0) / 30.0;
            v -= 26 * std::exp(-(tx * tx + ty * ty));
            image.setPixelColor(x, y, Shade(sand, v));
        }
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    for (int i = 0; i < 38; ++i) {
        const double x = 10 + (Hash(i, 0, 13) % 300);
        const double y = 10 + (Hash(i, 1, 13) % 355);
        if (std::abs(x - kCentreX) < 60 && y > 180) continue;  // keep the figure's spot clear
        const double r = 1.2 + (Hash(i, 2, 13) % 30) / 10.0;
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(30, 20, 10, 90));
        painter.drawEllipse(QPointF(x + 1, y + 1), r * 1.2, r * 0.8);
        painter.setBrush(Shade(sand, -30 + int(Hash(i, 3, 13) % 40)));
        painter.drawEllipse(QPointF(x, y), r * 1.2, r * 0.8);
        painter.setBrush(QColor(255, 240, 210, 70));
        painter.drawEllipse(QPointF(x - r * 0.3, y - r * 0.3), r * 0.5, r * 0.3);
    }
}

// A trail of footprints leading up to where the character stands: shallow dents, shadowed on
// the side away from the light.
void Footprints(QPainter& painter) {
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < 9; ++i) {
        const double t = i / 8.0;
        const double x = 52 + (kCentreX - 58) * t + 10 * std::sin(t * 3);
        const double y = 372 - (372 - kFeetY - kFigureDrop - 16) * t;
        const double side = (i % 2 == 0) ? -4.5 : 4.5;
        const QPointF at(x + side, y);
        painter.setBrush(QColor(40, 26, 10, 80));
        painter.drawEllipse(at, 3.2, 2.0);
        painter.setBrush(QColor(255, 236, 200, 45));
        painter.drawEllipse(at + QPointF(0.8, 1.0), 2.6, 1.3);
    }
}

QLinearGradient Lit(const QRectF& box, const QColor& light, const QColor& dark) {
    QLinearGradient g(box.topLeft(), box.bottomRight());
    g.setColorAt(0, light);
    g.setColorAt(1, dark);
    return g;
}

void Part(QPainter& painter, const QPainterPath& path, const QColor& light, const QColor& dark) {
    painter.setPen(QPen(Hex(0x1A120C), 1.2));
    painter.setBrush(Lit(path.boundingRect(), light, dark));
    painter.drawPath(path);
}

// A warrior in a red-brown robe over dark armour, a blade slung on the back, seen from the
// front and above: the head large, the body shortening towards the feet.
void Character(QPainter& painter) {
    const double cx = kCentreX;
    // Shadow on the sand, cast down and to the right.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(20, 12, 4, 110));
    painter.drawEllipse(QPointF(cx + 8, kFeetY), 30, 10);

    // The sheathed blade behind the shoulders.
    QPainterPath blade;
    blade.moveTo(cx + 20, 236);
    blade.lineTo(cx + 26, 232);
    blade.lineTo(cx - 18, 300);
    blade.lineTo(cx - 23, 297);
    blade.closeSubpath();
    Part(painter, blade, Hex(0x5A4632), Hex(0x2A1E12));
    QPainterPath hilt;
    hilt.addRect(QRectF(cx + 21, 226, 4, 9));
    Part(painter, hilt, Hex(0xF0C860), Hex(0x6A4410));

    // Boots.
    for (int side = -1; side <= 1; side += 2) {
        QPainterPath boot;
        boot.addRoundedRect(QRectF(cx + side * 9 - 6, kFeetY - 14, 12, 15), 4, 4);
        Part(painter, boot, Hex(0x4A3626), Hex(0x1E140C));
    }
    // Robe: wide at the hem, belted at the waist.
    QPainterPath robe;
    robe.moveTo(cx - 17, 252);
    robe.cubicTo(cx - 21, 275, cx - 26, 298, cx - 24, 316);
    robe.cubicTo(cx - 8, 320, cx + 8, 320, cx + 24, 316);
    robe.cubicTo(cx + 26, 298, cx + 21, 275, cx + 17, 252);
    robe.closeSubpath();
    Part(painter, robe, Hex(0xB4462C), Hex(0x4E160C));
    // A split at the front of the robe.
    painter.setPen(QPen(Hex(0x3A0E06), 1.4));
    painter.drawLine(QPointF(cx, 282), QPointF(cx + 1, 318));
    // Breastplate.
    QPainterPath chest;
    chest.addRoundedRect(QRectF(cx - 17, 246, 34, 30), 8, 8);
    Part(painter, chest, Hex(0x8C949C), Hex(0x2C3238));
    // Gold belt with a buckle.
    QPainterPath belt;
    belt.addRect(QRectF(cx - 18, 274, 36, 6));
    Part(painter, belt, Hex(0xF0C860), Hex(0x7A5214));
    QPainterPath buckle;
    buckle.addRect(QRectF(cx - 4, 273, 8, 8));
    Part(painter, buckle, Hex(0xFFF0B0), Hex(0x9A6A1A));
    // Shoulder guards and arms hanging at the sides.
    for (int side = -1; side <= 1; side += 2) {
        QPainterPath arm;
        arm.addRoundedRect(QRectF(cx + side * 23 - 6, 252, 12, 34), 6, 6);
        Part(painter, arm, Hex(0xA43E26), Hex(0x461208));
        QPainterPath hand;
        hand.addEllipse(QPointF(cx + side * 23, 289), 5, 5);
        Part(painter, hand, Hex(0xF2C8A0), Hex(0x9A6A48));
        QPainterPath guard;
        guard.addEllipse(QPointF(cx + side * 20, 251), 10, 7);
        Part(painter, guard, Hex(0xC8D0D8), Hex(0x3C444C));
    }
    // Head, seen from above: face below a wide crown of dark hair tied in a knot.
    QPainterPath face;
    face.addEllipse(QPointF(cx, 236), 12, 12);
    Part(painter, face, Hex(0xF6D2AA), Hex(0xA06C44));
    QPainterPath hair;
    hair.moveTo(cx - 13, 236);
    hair.cubicTo(cx - 14, 218, cx + 14, 218, cx + 13, 236);
    hair.cubicTo(cx + 8, 229, cx - 8, 229, cx - 13, 236);
    hair.closeSubpath();
    Part(painter, hair, Hex(0x4A3A30), Hex(0x0E0806));
    QPainterPath knot;
    knot.addEllipse(QPointF(cx, 222), 5, 4);
    Part(painter, knot, Hex(0x4A3A30), Hex(0x0E0806));
    // Eyes.
    painter.setPen(Qt::NoPen);
    painter.setBrush(Hex(0x20140C));
    painter.drawEllipse(QPointF(cx - 4.5, 239), 1.4, 1.8);
    painter.drawEllipse(QPointF(cx + 4.5, 239), 1.4, 1.8);
}

// A small dark plate with a gilded rim over the head: the place of the name.
void NameTag(QPainter& painter) {
    const QRectF tag(kCentreX - 34, 198, 68, 15);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 90));
    painter.drawRoundedRect(tag.translated(1.5, 1.5), 4, 4);
    painter.setPen(QPen(QColor(0xE8, 0xC0, 0x60, 220), 1.0));
    painter.setBrush(QColor(0x14, 0x0E, 0x08, 175));
    painter.drawRoundedRect(tag, 4, 4);
    // A tiny marker under the tag pointing at the head.
    QPainterPath marker;
    marker.moveTo(kCentreX - 4, tag.bottom() + 1);
    marker.lineTo(kCentreX + 4, tag.bottom() + 1);
    marker.lineTo(kCentreX, tag.bottom() + 5);
    marker.closeSubpath();
    painter.fillPath(marker, QColor(0xE8, 0xC0, 0x60, 220));
}

QImage TitleScene() {
    QImage image(kSize, QImage::Format_ARGB32);
    Sand(image);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    Footprints(painter);
    // The figure stands a little below the tag, so that the label's later lines fall on the
    // shaded sand between them rather than on the face.
    painter.translate(0, kFigureDrop);
    Character(painter);
    painter.resetTransform();
    NameTag(painter);
    painter.end();
    return image.convertToFormat(QImage::Format_RGB32);
}

}  // namespace

int main(int argc, char** argv) {
    return RunGenerator(argc, argv, [] {
        return QList<NamedImage>{{QStringLiteral("title_scene.png"), TitleScene()}};
    });
}
