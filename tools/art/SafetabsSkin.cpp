// Draws the tab strip's skin image: eight skins in rows of 20 pixels, each with an active,
// a hovered and an other face of 40 x 20 pixels, and writes it as SafetabsSkin.png into the
// folder given on the command line.

#include <QColor>
#include <QDir>
#include <QImage>
#include <QTextStream>

#include <array>

namespace {

constexpr int kCellWidth = 40;
constexpr int kCellHeight = 20;
const QColor kKey(0xFF, 0x00, 0xFF);

// How far a corner is cut: 3 and 2 are rounded, 1 barely, 0 square.
enum class Corner { Square = 0, Slight = 1, Small = 2, Round = 3 };

struct Face {
    QColor outline;
    QColor fillTop;
    QColor fillBottom;
    QColor topEdge;       // first row; the outline colour when invalid
    QColor topEdgeInner;  // second and third rows (a coloured band); none when invalid
};

struct Skin {
    QColor body;
    Corner corner;
    std::array<Face, 3> faces;  // active, hovered, other
};

QColor Hex(unsigned rgb) {
    return QColor::fromRgb(QRgb(rgb));
}

QColor Mix(const QColor& a, const QColor& b, double t) {
    return QColor::fromRgbF(a.redF() + (b.redF() - a.redF()) * t,
                            a.greenF() + (b.greenF() - a.greenF()) * t,
                            a.blueF() + (b.blueF() - a.blueF()) * t);
}

std::array<Skin, 8> Skins() {
    const QColor white = Hex(0xFFFFFF);
    const QColor none;
    const Face grey{Hex(0x8F8F8F), Hex(0xE9E9E9), Hex(0xCFCFCF), none, none};
    return {{
        {Hex(0xAEDAE7),
         Corner::Round,
         {{{Hex(0xAEDAE7), Hex(0xACDAE7), Hex(0xE7F3FB), none, none},
           {Hex(0xAEDAE7), Hex(0xDFFFFF), Hex(0xDFFFFF), Hex(0xADDBE8), none},
           {Hex(0xAEDAE7), white, white, none, none}}}},
        {Hex(0x919B9C),
         Corner::Small,
         {{{Hex(0x919B9C), Hex(0xFCFCFE), Hex(0xFCFCFE), Hex(0xE68B2C), Hex(0xFFC83C)},
           {Hex(0x919B9C), white, Hex(0xDEDEEC), Hex(0xE68B2C), Hex(0xFFC83C)},
           {Hex(0x919B9C), Hex(0xF9FAFC), Hex(0xCECFE2), none, none}}}},
        {Hex(0x1D6EC1),
         Corner::Round,
         {{{Hex(0x1D6EC1), white, white, none, none},
           {Hex(0x1D6EC1), Hex(0xCDE8FB), Hex(0xAFDAF8), none, none},
           {Hex(0x1D6EC1), Hex(0x4AAAEE), Hex(0x2896E5), none, none}}}},
        {Hex(0x6E96B1),
         Corner::Slight,
         {{{Hex(0x6E96B1), white, white, none, none},
           {Hex(0x8CA2BB), white, white, none, none},
           {Hex(0x96ADC5), Hex(0xDCE7F1), Hex(0xCBDBE9), none, none}}}},
        {Hex(0x898C95),
         Corner::Square,
         {{{Hex(0x898C95), white, white, none, none},
           {Hex(0x3C7FB1), Hex(0xDFF2FC), Hex(0xADDEF8), none, none},
           {Hex(0x898C95), Hex(0xEBEBEB), Hex(0xCCCCCC), none, none}}}},
        {Hex(0x958993),
         Corner::Square,
         {{{Hex(0x958993), white, white, none, none},
           {Hex(0x9A3CB1), Hex(0xF4DFFC), Hex(0xE3ACF8), none, none},
           {Hex(0x958993), Hex(0xEBEBEB), Hex(0xCCCCCC), none, none}}}},
        {Hex(0x95898C),
         Corner::Square,
         {{{Hex(0x4B87B8), Hex(0xC0DBEB), Hex(0xC4DEEE), none, none},
           {Hex(0x639BC6), Hex(0xDEECF6), Hex(0xBAD7E9), none, none},
           grey}}},
        {Hex(0x898C95),
         Corner::Square,
         {{{Hex(0x85B84C), Hex(0xDBECC0), Hex(0xDEEEC5), none, none},
           {Hex(0x9AC663), Hex(0xECF6DE), Hex(0xD7EABA), none, none},
           grey}}},
    }};
}

// The key pixels of the top-left corner; the top-right one mirrors them.
QList<QPoint> KeyPixels(Corner corner) {
    switch (corner) {
        case Corner::Round:
            return {{0, 0}, {1, 0}, {2, 0}, {0, 1}, {1, 1}, {0, 2}};
        case Corner::Small:
            return {{0, 0}, {1, 0}, {0, 1}};
        case Corner::Slight:
            return {{0, 0}};
        case Corner::Square:
            break;
    }
    return {};
}

// The outline pixels that round the corner off inside the key pixels.
QList<QPoint> CornerOutline(Corner corner) {
    switch (corner) {
        case Corner::Round:
            return {{2, 1}, {1, 2}};
        case Corner::Small:
            return {{1, 1}};
        default:
            break;
    }
    return {};
}

void DrawFace(QImage& image, int x0, int y0, const Face& face, const Skin& skin, bool active) {
    const int w = kCellWidth;
    const int h = kCellHeight;
    // Fill: a vertical gradient with a soft highlight just under the top edge.
    for (int y = 1; y < h; ++y) {
        const QColor fill = Mix(face.fillTop, face.fillBottom, double(y - 1) / (h - 2));
        const QColor row = y == 1 ? Mix(fill, Hex(0xFFFFFF), 0.5) : fill;
        for (int x = 1; x < w - 1; ++x)
            image.setPixelColor(x0 + x, y0 + y, row);
    }
    for (int y = 0; y < h; ++y) {
        image.setPixelColor(x0, y0 + y, face.outline);
        image.setPixelColor(x0 + w - 1, y0 + y, face.outline);
    }
    const QColor top = face.topEdge.isValid() ? face.topEdge : face.outline;
    for (int x = 0; x < w; ++x)
        image.setPixelColor(x0 + x, y0, top);
    if (face.topEdgeInner.isValid()) {
        for (int x = 1; x < w - 1; ++x) {
            image.setPixelColor(x0 + x, y0 + 1, face.topEdgeInner);
            image.setPixelColor(x0 + x, y0 + 2, Mix(face.topEdgeInner, face.fillTop, 0.5));
        }
    }
    // Bottom row: the active face opens into the body, the others stand on its outline.
    for (int x = 1; x < w - 1; ++x)
        image.setPixelColor(x0 + x, y0 + h - 1, active ? face.fillBottom : skin.body);
    if (!active) {
        image.setPixelColor(x0, y0 + h - 1, skin.body);
        image.setPixelColor(x0 + w - 1, y0 + h - 1, skin.body);
    }
    for (const QPoint& p : CornerOutline(skin.corner)) {
        image.setPixelColor(x0 + p.x(), y0 + p.y(), top);
        image.setPixelColor(x0 + w - 1 - p.x(), y0 + p.y(), top);
    }
    for (const QPoint& p : KeyPixels(skin.corner)) {
        image.setPixelColor(x0 + p.x(), y0 + p.y(), kKey);
        image.setPixelColor(x0 + w - 1 - p.x(), y0 + p.y(), kKey);
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        QTextStream(stderr) << "usage: art-SafetabsSkin FOLDER\n";
        return 2;
    }
    QImage image(3 * kCellWidth, 8 * kCellHeight, QImage::Format_RGB888);
    image.fill(kKey);
    const auto skins = Skins();
    for (int k = 0; k < int(skins.size()); ++k)
        for (int c = 0; c < 3; ++c)
            DrawFace(image, c * kCellWidth, k * kCellHeight, skins[k].faces[c], skins[k], c == 0);
    const QString path = QDir(QString::fromLocal8Bit(argv[1])).filePath("SafetabsSkin.png");
    if (!image.save(path, "PNG")) {
        QTextStream(stderr) << "cannot write " << path << "\n";
        return 1;
    }
    return 0;
}
