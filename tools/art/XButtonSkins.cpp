// Draws the seven skins of the skinned button: 28 x 25 pixels each, four 7 x 25 tiles side by
// side (normal, hover, pressed, disabled). A tile has a one-pixel rim, a vertical gradient face
// between rows 3 and 21, optional inner rings and rounded corners blended toward the button
// face colour. Writes xbutton_skin0.png .. xbutton_skin6.png into the folder given.
#include <QColor>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <cstdio>
#include <optional>

namespace {

constexpr int kTileWidth = 7;
constexpr int kTileHeight = 25;
constexpr int kFaceTopRow = 3;
constexpr int kFaceBottomRow = 21;
const QColor kBackground(0xF0, 0xF0, 0xF0);

struct Ring {
    QColor top1, top2;        // rows 1 and 2
    QColor bottom1, bottom2;  // rows 22 and 23
};

struct Tile {
    Tile(QColor rim = {}, QColor top = {}, QColor bottom = {},
         std::optional<QColor> bottomRim = std::nullopt, std::optional<Ring> ring = std::nullopt,
         bool innerLine = false)
        : rim(rim),
          faceTop(top),
          faceBottom(bottom),
          bottomRim(bottomRim),
          ring(ring),
          innerLine(innerLine) {}
    QColor rim;
    QColor faceTop;
    QColor faceBottom;
    std::optional<QColor> bottomRim;
    std::optional<Ring> ring;
    bool innerLine = false;  // a white line just inside the rim
    bool twoTone = false;    // faceTop in rows 2-12, faceBottom in rows 13-23
};

QColor Mix(const QColor& a, const QColor& b, double t) {
    return QColor::fromRgbF(float(a.redF() + (b.redF() - a.redF()) * t),
                            float(a.greenF() + (b.greenF() - a.greenF()) * t),
                            float(a.blueF() + (b.blueF() - a.blueF()) * t));
}

QColor C(unsigned rgb) {
    return QColor::fromRgb(QRgb(0xFF000000u | rgb));
}

QColor Face(const Tile& t, int y) {
    if (t.twoTone) return y <= 12 ? t.faceTop : t.faceBottom;
    const double f = qBound(0.0, double(y - kFaceTopRow) / (kFaceBottomRow - kFaceTopRow), 1.0);
    return Mix(t.faceTop, t.faceBottom, f);
}

QColor RingAt(const Ring& r, int y) {
    if (y <= 1) return r.top1;
    if (y == 2) return r.top2;
    if (y == 22) return r.bottom1;
    if (y >= 23) return r.bottom2;
    return Mix(r.top2, r.bottom1, double(y - 2) / 20.0);
}

QColor Pixel(const Tile& t, int x, int y) {
    const int right = kTileWidth - 1;
    const int bottom = kTileHeight - 1;
    const bool rimRow = y == 0 || y == bottom;
    const bool rimColumn = x == 0 || x == right;
    const QColor rim = y == bottom && t.bottomRim ? *t.bottomRim : t.rim;
    // Rounded corners: the outermost corner pixel is nearly background, its neighbours half.
    const bool cornerX = x == 0 || x == right;
    const bool cornerY = y == 0 || y == bottom;
    if (cornerX && cornerY) return Mix(rim, kBackground, 0.8);
    if ((cornerX && (y == 1 || y == bottom - 1)) || (cornerY && (x == 1 || x == right - 1)))
        return Mix(rim, kBackground, 0.35);
    if (rimRow || rimColumn) return rim;

    QColor inside = Face(t, y);
    const bool edgeRow = y == 1 || y == bottom - 1;
    const bool edgeColumn = x == 1 || x == right - 1;
    if (t.ring) {
        const bool ringRow = y <= 2 || y >= 22;
        if (ringRow || edgeColumn)
            inside = RingAt(*t.ring, y);
        else if (x == 2 || x == right - 2)
            inside = Mix(RingAt(*t.ring, y), inside, 0.5);
    }
    if (t.innerLine && (edgeRow || edgeColumn)) inside = Mix(QColor(Qt::white), inside, 0.1);
    // The inner corners soften the turn of the rim.
    if (edgeRow && edgeColumn) inside = Mix(rim, inside, 0.45);
    return inside;
}

void DrawTile(QImage& image, int index, const Tile& t) {
    for (int y = 0; y < kTileHeight; ++y)
        for (int x = 0; x < kTileWidth; ++x)
            image.setPixelColor(index * kTileWidth + x, y, Pixel(t, x, y));
}

struct Skin {
    Tile normal, hover, pressed, disabled;
};

QList<Skin> Skins() {
    const Tile blueNormal{C(0x6895CB), C(0xFDFDFF), C(0xD1DAEE)};
    const Tile blueHover{C(0x4974B6), C(0xFDFDFF), C(0xD1DAEE), std::nullopt,
                         Ring{C(0xAFE0F8), C(0xAFE0F8), C(0x8DC2E9), C(0x8DC2E9)}};
    const Tile bluePressed{C(0x4974B6), C(0xC6D0E5), C(0xECF1F8), std::nullopt,
                           Ring{C(0x86BAE4), C(0x86BAE4), C(0xA3D6F3), C(0xA3D6F3)}};
    const Tile blueDisabled{C(0xB9CBE3), C(0xA1D6F3), C(0xA1D6F3)};
    const Tile sandRim{C(0xCEBCA0), {}, {}, C(0x835724), std::nullopt, true};
    Tile sandHover = sandRim;
    sandHover.faceTop = C(0xEADDB9);
    sandHover.faceBottom = C(0xDDC98D);
    Tile sandPressed = sandRim;
    sandPressed.faceTop = C(0xDDC999);
    sandPressed.faceBottom = C(0xD9C493);
    Tile pressed6{C(0x1D415C), C(0xADDBF3), C(0x76C3EB), C(0x2C628B)};
    pressed6.twoTone = true;

    return {
        {{C(0x003C74), C(0xFDFDFD), C(0xCDCCDF)},
         {C(0x003C74), C(0xFDFDFD), C(0xD6D7E7), std::nullopt,
          Ring{C(0xFFF0CF), C(0xFDD889), C(0xF8B230), C(0xE59700)}},
         {C(0x003C74), C(0xB3B2C5), C(0xFFFFFF)},
         {C(0xC4C3BF), C(0xF1F1ED), C(0xF1F1ED)}},
        {blueNormal, blueHover, bluePressed, blueDisabled},
        {{C(0x000000), C(0xD7D7D7), C(0xBEBEBE)},
         {C(0x000000), C(0xDEDEDE), C(0xC1C1C1)},
         {C(0x5A5A5A), C(0xB0B0B0), C(0xB3B3B3), std::nullopt,
          Ring{C(0x8C8C8C), C(0x9E9E9E), C(0xB3B3B3), C(0xB3B3B3)}},
         {C(0x808080), C(0xDDDDDD), C(0xCCCCCC)}},
        // Skin 1 again, a shade apart here and there.
        {{C(0x6A97CB), C(0xFDFDFF), C(0xD3DCEE)},
         blueHover,
         {C(0x4974B6), C(0xC8D2E5), C(0xECF1F8), std::nullopt, bluePressed.ring},
         blueDisabled},
        {{C(0x6B8CA5), C(0xF8FBFD), C(0xB7D7E8)},
         {C(0x6B8CA5), C(0xFAFDFE), C(0xC0E1F2), std::nullopt,
          Ring{C(0x89C8F7), C(0x89C8F7), C(0x61AEE7), C(0x61AEE7)}},
         {C(0x6B8CA5), C(0xA9CBE1), C(0xD3E5F0)},
         {C(0xB9CBE3), C(0xA1D6F3), C(0xA1D6F3)}},
        {{C(0xECE5DA), C(0xF1E9D7), C(0xEADEC4), C(0xCFBEAA), std::nullopt, true},
         sandHover,
         sandPressed,
         {C(0xECE5DA), C(0xEBE1C9), C(0xEBE1C9), C(0xCFBEAA), std::nullopt, true}},
        {{C(0x8E8F8F), C(0xF0F0F0), C(0xD7D7D7)},
         {C(0x3C7FB1), C(0xD3EDFB), C(0x89D0F5)},
         pressed6,
         {C(0x8E8F8F), C(0xDADADA), C(0xDADADA)}},
    };
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    const QList<Skin> skins = Skins();
    for (int i = 0; i < skins.size(); ++i) {
        QImage image(4 * kTileWidth, kTileHeight, QImage::Format_RGB888);
        DrawTile(image, 0, skins[i].normal);
        DrawTile(image, 1, skins[i].hover);
        DrawTile(image, 2, skins[i].pressed);
        DrawTile(image, 3, skins[i].disabled);
        const QString path = folder.filePath(QStringLiteral("xbutton_skin%1.png").arg(i));
        if (!image.save(path)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
