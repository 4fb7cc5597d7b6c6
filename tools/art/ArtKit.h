// Helpers shared by the window-art generators: seeded noise, colour mixing, textured panels,
// bevelled frames, the red close button, a median-cut quantiser for the 8-bit images, saving,
// and the program around a generator.
// Everything is deterministic: the same seed always gives the same pixels.
#pragma once

#include <QColor>
#include <QDir>
#include <QGuiApplication>
#include <QHash>
#include <QImage>
#include <QList>
#include <QRect>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <tuple>

namespace ArtKit {

// A well-mixed 32-bit hash of a pixel position and a seed.
inline std::uint32_t Hash(int x, int y, std::uint32_t seed) {
    std::uint32_t h =
        seed * 0x9E3779B9u ^ std::uint32_t(x) * 0x85EBCA6Bu ^ std::uint32_t(y) * 0xC2B2AE35u;
    h ^= h >> 16;
    h *= 0x7FEB352Du;
    h ^= h >> 15;
    h *= 0x846CA68Bu;
    h ^= h >> 16;
    return h;
}

// White noise in [-1, 1].
inline double Noise(int x, int y, std::uint32_t seed) {
    return double(Hash(x, y, seed)) / 2147483647.5 - 1.0;
}

// Smooth value noise in [-1, 1] with features about `cell` pixels across.
inline double ValueNoise(double x, double y, double cell, std::uint32_t seed) {
    const double fx = x / cell, fy = y / cell;
    const int ix = int(std::floor(fx)), iy = int(std::floor(fy));
    const double tx = fx - ix, ty = fy - iy;
    const double sx = tx * tx * (3 - 2 * tx), sy = ty * ty * (3 - 2 * ty);
    const double a = Noise(ix, iy, seed), b = Noise(ix + 1, iy, seed);
    const double c = Noise(ix, iy + 1, seed), d = Noise(ix + 1, iy + 1, seed);
    return (a + (b - a) * sx) * (1 - sy) + (c + (d - c) * sx) * sy;
}

// Two octaves of value noise, for stone blotches and mottling.
inline double Mottle(double x, double y, double cell, std::uint32_t seed) {
    return 0.65 * ValueNoise(x, y, cell, seed) + 0.35 * ValueNoise(x, y, cell / 2.5, seed + 7);
}

inline QColor Mix(const QColor& a, const QColor& b, double t) {
    t = std::clamp(t, 0.0, 1.0);
    return QColor::fromRgbF(float(a.redF() + (b.redF() - a.redF()) * t),
                            float(a.greenF() + (b.greenF() - a.greenF()) * t),
                            float(a.blueF() + (b.blueF() - a.blueF()) * t));
}

// The colour made lighter (amount > 0) or darker (amount < 0), in 0..255 steps.
inline QColor Shade(const QColor& c, double amount) {
    auto channel = [amount](int v) { return std::clamp(int(std::lround(v + amount)), 0, 255); };
    return QColor(channel(c.red()), channel(c.green()), channel(c.blue()));
}

inline QColor Hex(unsigned rgb) {
    return QColor::fromRgb(QRgb(0xFF000000u | rgb));
}

// A panel of the base colour with fine grain, soft mottling and faint horizontal fibres.
inline void TexturePanel(QImage& image, const QRect& area, const QColor& base, std::uint32_t seed,
                         double grain = 5.0, double mottle = 6.0) {
    for (int y = area.top(); y <= area.bottom(); ++y) {
        const double fibre = 2.0 * Noise(0, y, seed + 3);
        for (int x = area.left(); x <= area.right(); ++x) {
            const double streak = 2.5 * ValueNoise(x, y * 6.0, 24.0, seed + 5);
            const double v =
                grain * Noise(x, y, seed) + mottle * Mottle(x, y, 18.0, seed + 1) + fibre + streak;
            image.setPixelColor(x, y, Shade(base, v));
        }
    }
}

// Darkens the first pixels inside a frame on the top and left, as if the frame cast a shadow.
inline void InnerShadow(QImage& image, const QRect& area, int depth, double strength) {
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const int d = std::min(x - area.left(), y - area.top());
            const int e = std::min(area.right() - x, area.bottom() - y);
            double dark = 0;
            if (d < depth) dark += strength * (depth - d) / depth;
            if (e < depth / 2) dark += strength * 0.4 * (depth / 2 - e) / (depth / 2.0);
            if (dark > 0) image.setPixelColor(x, y, Shade(image.pixelColor(x, y), -dark));
        }
}

enum class Edge { Lit, Shadowed };

// Which way a frame pixel faces: top and left faces catch the light.
inline Edge FacingOf(const QRect& outer, int x, int y) {
    const int lit = std::min(x - outer.left(), y - outer.top());
    const int dark = std::min(outer.right() - x, outer.bottom() - y);
    return lit <= dark ? Edge::Lit : Edge::Shadowed;
}

// Distance of a pixel from the outer edge of a rectangle.
inline int DepthIn(const QRect& outer, int x, int y) {
    return std::min({x - outer.left(), y - outer.top(), outer.right() - x, outer.bottom() - y});
}

// Whether a frame pixel lies on the top or bottom side rather than the left or right one.
inline bool OnHorizontalSide(const QRect& outer, int x, int y) {
    return std::min(y - outer.top(), outer.bottom() - y) <=
           std::min(x - outer.left(), outer.right() - x);
}

// A bevelled stone border `width` pixels wide inside `outer`: a dark outline, a lit outer edge,
// a face of mottled, pitted blocks with mortar seams between them, and an inner edge that
// steps down into the panel.
inline void StoneFrame(QImage& image, const QRect& outer, int width, const QColor& stone,
                       std::uint32_t seed) {
    constexpr int kBlock = 34;
    for (int y = outer.top(); y <= outer.bottom(); ++y)
        for (int x = outer.left(); x <= outer.right(); ++x) {
            const int d = DepthIn(outer, x, y);
            if (d >= width) continue;
            const bool lit = FacingOf(outer, x, y) == Edge::Lit;
            const bool horizontal = OnHorizontalSide(outer, x, y);
            const int side = (horizontal ? 0 : 2) + (lit ? 0 : 1);
            const int along = (horizontal ? x : y) + 11 * side;
            const int block = along / kBlock, inBlock = along % kBlock;
            // Each block has its own tone, warm or cool, light or dark.
            QColor c = Shade(stone, 9 * Noise(block, side, seed + 17));
            c = Mix(c, Noise(block, side, seed + 19) > 0 ? Hex(0x8A7A62) : Hex(0x6E747A), 0.25);
            c = Shade(c, 20 * Mottle(x, y, 6.0, seed) + 9 * Noise(x, y, seed + 11));
            if (Noise(x, y, seed + 13) > 0.965)
                c = Shade(c, -34);  // pits
            else if (Noise(x - 1, y - 1, seed + 13) > 0.965)
                c = Shade(c, 18);
            const bool face = d >= 2 && d <= width - 3;
            if (d == 0) {
                c = Shade(stone, -100);
            } else if (d == 1) {
                c = Shade(c, lit ? 62 : -48);
            } else if (d == 2) {
                c = Shade(c, lit ? 30 : -26);
            } else if (d == width - 2) {
                c = Shade(c, lit ? -40 : 34);
            } else if (d == width - 1) {
                c = Shade(stone, -95);
            } else {
                // The face bulges a little: brighter towards its middle.
                const double mid = (width - 1) / 2.0;
                c = Shade(c, 10 - 6 * std::abs(d - mid) + (lit ? 6 : -6));
            }
            // The corners are square capstones with a bevel of their own.
            const int cornerX = std::min(x - outer.left(), outer.right() - x);
            const int cornerY = std::min(y - outer.top(), outer.bottom() - y);
            if (cornerX < width && cornerY < width) {
                const QRect cap(x - outer.left() < width ? outer.left() : outer.right() - width + 1,
                                y - outer.top() < width ? outer.top() : outer.bottom() - width + 1,
                                width, width);
                const int capDepth = DepthIn(cap, x, y);
                const bool capLit = FacingOf(cap, x, y) == Edge::Lit;
                c = Shade(stone, 8 + 12 * Mottle(x, y, 4.0, seed + 23) + 6 * Noise(x, y, seed));
                if (capDepth == 0)
                    c = Shade(stone, -100);
                else if (capDepth == 1)
                    c = Shade(c, capLit ? 56 : -50);
                image.setPixelColor(x, y, c);
                continue;
            }
            if (face && inBlock == 0)
                c = Shade(stone, -70);
            else if (face && inBlock == 1)
                c = Shade(c, 26);
            else if (face && inBlock == kBlock - 1)
                c = Shade(c, -16);
            image.setPixelColor(x, y, c);
        }
}

// A small red close button with a bevel and a light "x", `size` pixels square at `topLeft`.
inline void CloseButton(QImage& image, QPoint topLeft, int size) {
    const QColor top = Hex(0xD8432E), bottom = Hex(0x7E1A10), outline = Hex(0x2A0805);
    const QColor cross = Hex(0xFBE9D6), crossShadow = Hex(0x4A0C06);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const bool corner = (x == 0 || x == size - 1) && (y == 0 || y == size - 1);
            QColor c = Mix(top, bottom, double(y) / (size - 1));
            if (corner) {
                c = Mix(outline, image.pixelColor(topLeft + QPoint(x, y)), 0.5);
            } else if (x == 0 || y == 0 || x == size - 1 || y == size - 1) {
                c = outline;
            } else if (x == 1 || y == 1) {
                c = Shade(c, 55);
            } else if (x == size - 2 || y == size - 2) {
                c = Shade(c, -40);
            }
            image.setPixelColor(topLeft + QPoint(x, y), c);
        }
    // The "x": two pixels wide, with a dark shadow one pixel down and right.
    const int from = size / 4 + 1, to = size - 1 - size / 4 - 1;
    auto put = [&](int x, int y, const QColor& c) {
        image.setPixelColor(topLeft + QPoint(x, y), c);
    };
    for (int i = from; i <= to; ++i) {
        const int j = to - (i - from);
        put(i + 1, i + 1, crossShadow);
        put(j + 1, i + 1, crossShadow);
    }
    for (int i = from; i <= to; ++i) {
        const int j = to - (i - from);
        put(i, i, cross);
        put(j, i, cross);
        if (i < to) {
            put(i + 1, i, Mix(cross, top, 0.35));
            put(j - 1, i, Mix(cross, top, 0.35));
        }
    }
}

// Median-cut quantisation to an indexed image of at most 256 colours. The first half of the
// splits favours crowded boxes (smooth gradients); the second favours wide ones, so that small
// bright details such as the close button keep their own colours.
inline QImage ToIndexed(const QImage& source) {
    const QImage image = source.convertToFormat(QImage::Format_RGB32);
    QHash<QRgb, int> counts;
    for (int y = 0; y < image.height(); ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            ++counts[line[x] | 0xFF000000u];
    }
    struct Entry {
        int c[3];
        int count;
    };
    QList<Entry> entries;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        entries.append({{qRed(it.key()), qGreen(it.key()), qBlue(it.key())}, it.value()});
    // The hash's order changes from run to run; a fixed order keeps the palette the same.
    std::sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) {
        return std::tie(a.c[0], a.c[1], a.c[2]) < std::tie(b.c[0], b.c[1], b.c[2]);
    });
    struct Box {
        int begin, end;  // into entries
    };
    auto range = [&](const Box& b, int channel) {
        int lo = 255, hi = 0;
        for (int i = b.begin; i < b.end; ++i) {
            lo = std::min(lo, entries[i].c[channel]);
            hi = std::max(hi, entries[i].c[channel]);
        }
        return hi - lo;
    };
    auto population = [&](const Box& b) {
        long long n = 0;
        for (int i = b.begin; i < b.end; ++i)
            n += entries[i].count;
        return n;
    };
    QList<Box> boxes{{0, int(entries.size())}};
    while (boxes.size() < 256) {
        const bool byPopulation = boxes.size() < 128;
        int best = -1;
        double bestScore = 0;
        for (int i = 0; i < boxes.size(); ++i) {
            if (boxes[i].end - boxes[i].begin < 2) continue;
            const int span = std::max({range(boxes[i], 0), range(boxes[i], 1), range(boxes[i], 2)});
            const double score = byPopulation ? double(span) * population(boxes[i]) : span;
            if (span > 0 && score > bestScore) best = i, bestScore = score;
        }
        if (best < 0) break;
        Box box = boxes[best];
        int channel = 0;
        for (int c = 1; c < 3; ++c)
            if (range(box, c) > range(box, channel)) channel = c;
        std::stable_sort(
            entries.begin() + box.begin, entries.begin() + box.end,
            [channel](const Entry& a, const Entry& b) { return a.c[channel] < b.c[channel]; });
        const long long half = population(box) / 2;
        long long seen = 0;
        int cut = box.begin + 1;
        for (int i = box.begin; i < box.end - 1; ++i) {
            seen += entries[i].count;
            cut = i + 1;
            if (seen >= half) break;
        }
        boxes[best] = {box.begin, cut};
        boxes.append({cut, box.end});
    }
    QList<QRgb> palette;
    for (const Box& b : boxes) {
        double sum[3] = {0, 0, 0};
        const double n = double(population(b));
        for (int i = b.begin; i < b.end; ++i)
            for (int c = 0; c < 3; ++c)
                sum[c] += double(entries[i].c[c]) * entries[i].count;
        palette.append(qRgb(int(std::lround(sum[0] / n)), int(std::lround(sum[1] / n)),
                            int(std::lround(sum[2] / n))));
    }
    QImage result(image.size(), QImage::Format_Indexed8);
    result.setColorTable(palette);
    QHash<QRgb, int> nearest;
    for (int y = 0; y < image.height(); ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        uchar* out = result.scanLine(y);
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = line[x] | 0xFF000000u;
            auto found = nearest.constFind(p);
            if (found == nearest.cend()) {
                int best = 0, bestDistance = INT32_MAX;
                for (int i = 0; i < palette.size(); ++i) {
                    const int dr = qRed(p) - qRed(palette[i]), dg = qGreen(p) - qGreen(palette[i]);
                    const int db = qBlue(p) - qBlue(palette[i]);
                    const int distance = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
                    if (distance < bestDistance) best = i, bestDistance = distance;
                }
                found = nearest.insert(p, best);
            }
            out[x] = uchar(*found);
        }
    }
    return result;
}

// Writes the image as NAME into the folder; reports and returns false when it cannot.
inline bool Save(const QImage& image, const QDir& folder, const QString& name) {
    const QString path = folder.filePath(name);
    if (image.save(path, "PNG")) return true;
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
}

// A generator's whole program: no display needed, one argument (the output folder), and the
// images as named pictures. Returns the exit status: 0 written, 1 a file not written, 2 usage.
struct NamedImage {
    QString name;
    QImage image;
};
inline int RunGenerator(int argc, char** argv, const std::function<QList<NamedImage>()>& draw) {
    // Drawing needs no display: the offscreen platform is enough, even on a desktop.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    for (const NamedImage& image : draw())
        if (!Save(image.image, folder, image.name)) return 1;
    return 0;
}

}  // namespace ArtKit
