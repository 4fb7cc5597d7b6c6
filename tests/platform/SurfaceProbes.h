#pragma once

#include <QImage>
#include <QList>

#include <climits>
#include <string>

#include "Surface.h"

// Reading a surface's pixels back for tests: as text art, as ink bounds and counts.
namespace SurfaceProbes {

using namespace Gdi;

constexpr quint32 kWhite = 0xFFFFFF;
constexpr quint32 kBlack = 0x000000;
constexpr quint32 kRed = 0x0000FF;
constexpr quint32 kBlue = 0xFF0000;
constexpr quint32 kGreen = 0x00FF00;

// The pixels of an area as text, one row per line: '#' black, '.' white, 'r' red, 'b' blue,
// 'g' green, '?' anything else.
inline std::string Art(const Surface& s, int x0, int y0, int x1, int y1) {
    std::string out;
    for (int y = y0; y < y1; ++y) {
        for (int x = x0; x < x1; ++x) {
            switch (s.GetPixel(x, y)) {
                case kBlack:
                    out += '#';
                    break;
                case kWhite:
                    out += '.';
                    break;
                case kRed:
                    out += 'r';
                    break;
                case kBlue:
                    out += 'b';
                    break;
                case kGreen:
                    out += 'g';
                    break;
                default:
                    out += '?';
                    break;
            }
        }
        out += '\n';
    }
    return out;
}

inline std::string Art(const Surface& s) {
    return Art(s, 0, 0, s.width(), s.height());
}

// Bounding box of the pixels that differ from the background colour.
inline Rect InkBounds(const Surface& s, quint32 background) {
    Rect r{INT_MAX, INT_MAX, INT_MIN, INT_MIN};
    for (int y = 0; y < s.height(); ++y) {
        for (int x = 0; x < s.width(); ++x) {
            if (s.GetPixel(x, y) == background) continue;
            r = {std::min(r.left, x), std::min(r.top, y), std::max(r.right, x + 1),
                 std::max(r.bottom, y + 1)};
        }
    }
    return r.left == INT_MAX ? Rect{} : r;
}

inline int CountColor(const Surface& s, quint32 color) {
    int n = 0;
    for (int y = 0; y < s.height(); ++y) {
        for (int x = 0; x < s.width(); ++x)
            n += s.GetPixel(x, y) == color;
    }
    return n;
}

inline QImage MakeImage(const QList<QList<quint32>>& rows) {
    QImage img(int(rows[0].size()), int(rows.size()), QImage::Format_RGB32);
    for (int y = 0; y < rows.size(); ++y) {
        for (int x = 0; x < rows[y].size(); ++x) {
            const quint32 c = rows[y][x];
            img.setPixel(x, y, qRgb(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF));
        }
    }
    return img;
}

}  // namespace SurfaceProbes
