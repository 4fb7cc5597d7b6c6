// Draws the dragon-style dialogue picture (568 x 347): a dark panel with a faint golden dragon
// engraved across it, a thin ornamented frame with gilded corner pieces and a red close button,
// and writes it as the 8-bit indexed dialog_dragon.png into the folder given.
#include "ArtKit.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <QTransform>

#include <numbers>

using namespace ArtKit;

namespace {

const QSize kSize(568, 347);
constexpr int kFrameWidth = 10;
const QColor kGoldLight = Hex(0xFFE89A);
const QColor kGold = Hex(0xD4A43C);
const QColor kGoldDark = Hex(0x6E4612);

// The dragon's spine: a long wave across the panel, head at t = 0 on the left.
QPointF Spine(double t) {
    const double x = 112 + 372 * t;
    const double y = 176 + 62 * std::sin(2 * std::numbers::pi * (1.35 * t + 0.05)) * (1 - 0.25 * t);
    return {x, y};
}

QPointF Normal(double t) {
    const QPointF d = Spine(t + 0.001) - Spine(t - 0.001);
    const double length = std::hypot(d.x(), d.y());
    return {d.y() / length, -d.x() / length};  // towards the back (upwards on a level stretch)
}

// Half the body's thickness: a slim neck, a full chest, then tapering to the tail.
double HalfWidth(double t) {
    const double neck = std::min(1.0, 0.55 + t * 6);
    return (3 + 17 * std::pow(1 - t, 0.8)) * neck;
}

QPainterPath Body() {
    QPolygonF outline;
    constexpr int kSteps = 200;
    for (int i = 0; i <= kSteps; ++i) {
        const double t = double(i) / kSteps;
        outline << Spine(t) + Normal(t) * HalfWidth(t);
    }
    for (int i = kSteps; i >= 0; --i) {
        const double t = double(i) / kSteps;
        outline << Spine(t) - Normal(t) * HalfWidth(t);
    }
    QPainterPath path;
    path.addPolygon(outline);
    path.closeSubpath();
    return path;
}

// Spikes along the back, leaning towards the tail.
QPainterPath Spikes() {
    QPainterPath path;
    for (double t = 0.06; t < 0.93; t += 0.035) {
        const QPointF base = Spine(t) + Normal(t) * (HalfWidth(t) - 1);
        const QPointF back = Spine(t + 0.02) + Normal(t + 0.02) * (HalfWidth(t + 0.02) - 1);
        const QPointF tip = Spine(t + 0.018) + Normal(t) * (HalfWidth(t) + 6 + 5 * (1 - t));
        path.addPolygon(QPolygonF{base, tip, back});
        path.closeSubpath();
    }
    // A flame-like fin at the end of the tail.
    const QPointF end = Spine(1.0), n = Normal(1.0);
    QPainterPath fin;
    fin.moveTo(end + n * 3);
    fin.cubicTo(end + QPointF(14, -6) + n * 12, end + QPointF(30, -18), end + QPointF(36, -26));
    fin.cubicTo(end + QPointF(26, -8), end + QPointF(28, 4), end + QPointF(40, 10));
    fin.cubicTo(end + QPointF(20, 10), end - n * 8, end - n * 3);
    fin.closeSubpath();
    return path.united(fin);
}

// A leg from the body: thigh, shin and three claws, drawn as thick strokes.
QPainterPath Leg(double t, double side, double reach) {
    const QPointF root = Spine(t) - Normal(t) * side * (HalfWidth(t) - 4);
    const QPointF knee = root - Normal(t) * side * 16 * reach + QPointF(14, 0);
    const QPointF foot = knee + QPointF(-14, 10 * side);
    QPainterPath limb;
    limb.moveTo(root);
    limb.quadTo(root + (knee - root) * 0.6 + QPointF(0, -4 * side), knee);
    limb.lineTo(foot);
    QPainterPathStroker thick;
    thick.setWidth(7);
    thick.setCapStyle(Qt::RoundCap);
    thick.setJoinStyle(Qt::RoundJoin);
    QPainterPath leg = thick.createStroke(limb);
    QPainterPathStroker thin;
    thin.setWidth(2.4);
    thin.setCapStyle(Qt::RoundCap);
    for (int claw = -1; claw <= 1; ++claw) {
        QPainterPath c;
        c.moveTo(foot);
        const QPointF tip = foot + QPointF(-9 + 2 * claw * side, 4 * claw + 3 * side);
        c.quadTo(foot + QPointF(-6, 4 * claw), tip);
        leg = leg.united(thin.createStroke(c));
    }
    return leg;
}

// Where the head sits: at the start of the spine, turned a little with the neck.
QTransform HeadPlacement() {
    const QPointF at = Spine(0) + QPointF(-2, 0);
    const QPointF d = Spine(0.02) - Spine(0);
    const double angle = std::atan2(d.y(), d.x()) * 180 / std::numbers::pi;
    QTransform place;
    place.translate(at.x(), at.y());
    place.rotate(angle * 0.5);
    place.scale(1.35, 1.35);
    return place;
}

// A swept shape from `root` to a pointed tip, `width` across at the root: horns and tufts.
QPainterPath Tapered(QPointF root, QPointF bend, QPointF tip, double width) {
    QPainterPath path;
    path.moveTo(root + QPointF(-width / 2, 0));
    path.quadTo(bend, tip);
    path.quadTo(bend + QPointF(width * 0.6, width * 0.5), root + QPointF(width / 2, width * 0.3));
    path.closeSubpath();
    return path;
}

// The head in profile, facing left: brow, upturned snout, open jaws, two swept-back horns,
// flowing whiskers and a flame-like mane behind the cheek.
QPainterPath Head() {
    QPainterPath skull;
    skull.moveTo(6, -10);
    skull.cubicTo(-4, -18, -16, -18, -22, -13);  // brow
    skull.lineTo(-30, -12);
    skull.cubicTo(-38, -13, -44, -17, -47, -12);  // upturned nose
    skull.lineTo(-46, -6);
    skull.lineTo(-34, -3);  // upper lip
    skull.lineTo(-18, 0);   // corner of the mouth
    skull.lineTo(-40, 6);   // lower jaw, open
    skull.cubicTo(-38, 10, -30, 11, -22, 10);
    skull.cubicTo(-8, 12, 4, 10, 10, 4);
    skull.cubicTo(12, -2, 10, -8, 6, -10);
    skull.closeSubpath();
    QPainterPath head = skull;
    head = head.united(Tapered({-8, -15}, {6, -30}, {32, -33}, 6));
    head = head.united(Tapered({-2, -13}, {12, -24}, {36, -24}, 5));
    QPainterPath mane;
    mane.moveTo(4, -12);
    mane.lineTo(22, -20);
    mane.lineTo(15, -11);
    mane.lineTo(31, -11);
    mane.lineTo(19, -3);
    mane.lineTo(32, 3);
    mane.lineTo(16, 6);
    mane.lineTo(22, 13);
    mane.lineTo(6, 9);
    mane.closeSubpath();
    head = head.united(mane);
    QPainterPathStroker stroke;
    stroke.setCapStyle(Qt::RoundCap);
    stroke.setWidth(1.8);
    QPainterPath whiskers;
    whiskers.moveTo(-45, -9);
    whiskers.cubicTo(-58, -14, -64, -30, -52, -38);
    whiskers.moveTo(-38, 7);
    whiskers.cubicTo(-52, 14, -58, 28, -48, 36);
    head = head.united(stroke.createStroke(whiskers));
    return HeadPlacement().map(head);
}

// Engraved lines inside the silhouette: belly plates on the lower half of the body, two rows
// of scale arcs on the back, and the eye.
QPainterPath Details() {
    QPainterPath lines;
    for (double t = 0.05; t < 0.97; t += 0.024) {
        const QPointF c = Spine(t), n = Normal(t);
        const double w = HalfWidth(t);
        lines.moveTo(c - n * (w * 0.15));
        lines.lineTo(c - n * (w * 0.85));
    }
    for (int row = 0; row < 2; ++row)
        for (double t = 0.05 + 0.015 * row; t < 0.95; t += 0.03) {
            const QPointF n = Normal(t);
            const QPointF c = Spine(t) + n * (HalfWidth(t) * (0.25 + 0.4 * row));
            const QPointF ahead = (Spine(t + 0.015) - Spine(t)) * 0.9;
            const double r = HalfWidth(t) * 0.22;
            lines.moveTo(c + n * r);
            lines.quadTo(c + ahead, c - n * r);
        }
    QPainterPathStroker stroke;
    stroke.setWidth(1.2);
    QPainterPath details = stroke.createStroke(lines);
    // The eye under the brow, a brow line over it and the nostril.
    QPainterPath face;
    face.addEllipse(QPointF(-18, -9), 2.6, 2.0);
    face.addEllipse(QPointF(-42, -10), 1.2, 1.0);
    QPainterPath brow;
    brow.moveTo(-24, -13);
    brow.quadTo(-16, -16, -10, -11);
    QPainterPathStroker fine;
    fine.setWidth(1.0);
    face = face.united(fine.createStroke(brow));
    details = details.united(HeadPlacement().map(face));
    return details;
}

// Renders a path into a grey mask the size of the picture (0 = outside, 1 = inside).
QImage Mask(const QPainterPath& path) {
    QImage mask(kSize, QImage::Format_Grayscale8);
    mask.fill(0);
    QPainter painter(&mask);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillPath(path, Qt::white);
    return mask;
}

double At(const QImage& mask, int x, int y) {
    x = std::clamp(x, 0, mask.width() - 1);
    y = std::clamp(y, 0, mask.height() - 1);
    return mask.constScanLine(y)[x] / 255.0;
}

// Cuts the dragon into the panel: a faint gold inlay, the upper-left rim of each groove in
// shadow and the lower-right rim catching the light, as a carving would.
void Engrave(QImage& image, const QRect& panel) {
    const QPainterPath silhouette = Body()
                                        .united(Spikes())
                                        .united(Head())
                                        .united(Leg(0.16, 1, 1.0))
                                        .united(Leg(0.3, 1, 0.9))
                                        .united(Leg(0.6, 1, 0.8))
                                        .united(Leg(0.72, 1, 0.7));
    const QImage shape = Mask(silhouette);
    const QImage lines = Mask(Details());
    for (int y = panel.top(); y <= panel.bottom(); ++y)
        for (int x = panel.left(); x <= panel.right(); ++x) {
            const double inside = At(shape, x, y);
            const double rim = At(shape, x + 1, y + 1) - At(shape, x - 1, y - 1);
            const double line = At(lines, x, y) * inside;
            const double lineRim = At(lines, x + 1, y + 1) - At(lines, x - 1, y - 1);
            if (inside == 0 && rim == 0) continue;
            QColor c = image.pixelColor(x, y);
            c = Mix(c, kGold, 0.13 * inside);
            if (rim < 0) c = Mix(c, kGoldLight, -rim * 0.36);
            if (rim > 0) c = Mix(c, Hex(0x050302), rim * 0.6);
            c = Mix(c, Hex(0x0A0704), line * 0.35);
            if (lineRim < 0) c = Mix(c, kGold, -lineRim * 0.2 * inside);
            image.setPixelColor(x, y, c);
        }
}

// One gilded corner piece for the top-left corner: an L-shaped bracket ending in scrolls,
// with a jewel at the corner.
QPainterPath CornerPiece() {
    QPainterPath bracket;
    bracket.moveTo(2, 2);
    bracket.lineTo(40, 2);
    bracket.cubicTo(46, 2, 48, 8, 44, 11);
    bracket.cubicTo(41, 13, 37, 10, 39, 8);
    bracket.cubicTo(34, 9, 16, 9, 12, 12);
    bracket.cubicTo(9, 16, 9, 34, 8, 39);
    bracket.cubicTo(10, 37, 13, 41, 11, 44);
    bracket.cubicTo(8, 48, 2, 46, 2, 40);
    bracket.closeSubpath();
    QPainterPath jewel;
    jewel.addEllipse(QPointF(13, 13), 6, 6);
    QPainterPath leaf;
    leaf.moveTo(14, 20);
    leaf.cubicTo(18, 26, 24, 24, 26, 20);
    leaf.cubicTo(24, 18, 20, 14, 20, 14);
    leaf.closeSubpath();
    return bracket.united(jewel).united(leaf);
}

void Gild(QImage& image, const QTransform& place) {
    const QPainterPath piece = place.map(CornerPiece());
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    // A soft drop shadow first, then the gold with light from the top left.
    painter.fillPath(piece.translated(1.5, 1.5), QColor(0, 0, 0, 170));
    const QRectF box = piece.boundingRect();
    QLinearGradient gold(box.topLeft(), box.bottomRight());
    gold.setColorAt(0.0, kGoldLight);
    gold.setColorAt(0.45, kGold);
    gold.setColorAt(1.0, kGoldDark);
    painter.setPen(QPen(Hex(0x3A2406), 1.0));
    painter.setBrush(gold);
    painter.drawPath(piece);
    const QPointF jewel = place.map(QPointF(13, 13));
    QRadialGradient red(jewel + QPointF(-1.5, -1.5), 5);
    red.setColorAt(0, Hex(0xFF9A80));
    red.setColorAt(0.5, Hex(0xB8201A));
    red.setColorAt(1, Hex(0x4A0806));
    painter.setPen(QPen(Hex(0x3A2406), 1.0));
    painter.setBrush(red);
    painter.drawEllipse(jewel, 3.6, 3.6);
}

// A thin frame: dark outline, a gold line, a bronze band with a running key pattern, a
// gold inner line.
void OrnamentFrame(QImage& image) {
    const QRect all = image.rect();
    for (int y = 0; y < kSize.height(); ++y)
        for (int x = 0; x < kSize.width(); ++x) {
            const int d = DepthIn(all, x, y);
            if (d >= kFrameWidth) continue;
            const bool lit = FacingOf(all, x, y) == Edge::Lit;
            const bool horizontal =
                std::min(y, kSize.height() - 1 - y) <= std::min(x, kSize.width() - 1 - x);
            const int along = horizontal ? x : y;
            QColor c;
            if (d == 0 || d == 3 || d == kFrameWidth - 1) {
                c = Hex(0x0C0804);
            } else if (d == 1 || d == 2) {
                c = Shade(d == 1 ? kGoldLight : kGold, lit ? 0 : -60);
            } else if (d == kFrameWidth - 2) {
                c = Shade(kGold, lit ? -70 : -20);
            } else {
                // The bronze band with a key pattern every 8 pixels.
                const int k = ((along % 8) + 8) % 8;
                const int row = d - 4;  // 0..3
                const bool mark = (row == 0 && k < 5) || (row == 3 && k >= 3 && k < 8) ||
                                  (k == 4 && row < 3) || (k == 3 && row > 0);
                c = mark ? Hex(0xB48838) : Hex(0x3A2A16);
                c = Shade(c, 4 * Noise(x, y, 91) + (lit ? 6 : -10));
            }
            image.setPixelColor(x, y, c);
        }
}

QImage DragonDialog() {
    QImage image(kSize, QImage::Format_RGB32);
    const QRect panel = image.rect().adjusted(kFrameWidth, kFrameWidth, -kFrameWidth, -kFrameWidth);
    TexturePanel(image, panel, Hex(0x1E1914), 81, 4.0, 5.0);
    Engrave(image, panel);
    InnerShadow(image, panel, 5, 12);
    OrnamentFrame(image);
    const int right = kSize.width(), bottom = kSize.height();
    Gild(image, QTransform());
    Gild(image, QTransform(-1, 0, 0, 1, right, 0));
    Gild(image, QTransform(1, 0, 0, -1, 0, bottom));
    Gild(image, QTransform(-1, 0, 0, -1, right, bottom));
    CloseButton(image, QPoint(right - 38, 12), 15);
    return image;
}

}  // namespace

int main(int argc, char** argv) {
    return RunGenerator(argc, argv, [] {
        return QList<NamedImage>{{QStringLiteral("dialog_dragon.png"), ToIndexed(DragonDialog())}};
    });
}
