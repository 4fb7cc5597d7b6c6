#include "Colors.h"

#include <array>

namespace Colors {
namespace {

// COLOR_SCROLLBAR (0) through COLOR_MENUBAR (30).
constexpr std::array<quint32, kSystemColorCount> kSystemColors = {
    Rgb(200, 200, 200),  // 0 scroll bar
    Rgb(0, 0, 0),        // 1 desktop background
    Rgb(153, 180, 209),  // 2 active caption
    Rgb(191, 205, 219),  // 3 inactive caption
    Rgb(240, 240, 240),  // 4 menu
    Rgb(255, 255, 255),  // 5 window
    Rgb(100, 100, 100),  // 6 window frame
    Rgb(0, 0, 0),        // 7 menu text
    Rgb(0, 0, 0),        // 8 window text
    Rgb(0, 0, 0),        // 9 caption text
    Rgb(180, 180, 180),  // 10 active border
    Rgb(244, 247, 252),  // 11 inactive border
    Rgb(171, 171, 171),  // 12 application workspace
    Rgb(0, 120, 215),    // 13 highlight
    Rgb(255, 255, 255),  // 14 highlight text
    Rgb(240, 240, 240),  // 15 button face
    Rgb(160, 160, 160),  // 16 button shadow
    Rgb(109, 109, 109),  // 17 grey text
    Rgb(0, 0, 0),        // 18 button text
    Rgb(0, 0, 0),        // 19 inactive caption text
    Rgb(255, 255, 255),  // 20 button highlight
    Rgb(105, 105, 105),  // 21 3D dark shadow
    Rgb(227, 227, 227),  // 22 3D light
    Rgb(0, 0, 0),        // 23 tooltip text
    Rgb(255, 255, 225),  // 24 tooltip background
    Rgb(0, 0, 0),        // 25 (unused)
    Rgb(0, 102, 204),    // 26 hot-tracked item
    Rgb(185, 209, 234),  // 27 gradient active caption
    Rgb(215, 228, 242),  // 28 gradient inactive caption
    Rgb(51, 153, 255),   // 29 menu highlight
    Rgb(240, 240, 240),  // 30 menu bar
};

}  // namespace

quint32 GetSysColor(int index) {
    if (index < 0 || index >= kSystemColorCount) return 0;
    return kSystemColors[size_t(index)];
}

bool OleTranslateColor(quint32 color, quint32* out) {
    const quint32 high = color & 0xFF000000u;
    if (high == 0) {
        *out = color;
        return true;
    }
    if (high == kSystemColorFlag) {
        const quint32 index = color & 0x00FFFFFFu;
        if (index < quint32(kSystemColorCount)) {
            *out = kSystemColors[index];
            return true;
        }
    }
    return false;
}

quint32 TranslateColor(quint32 color) {
    quint32 result = 0;
    OleTranslateColor(color, &result);
    return result;
}

QColor ToQColor(quint32 color) {
    return QColor::fromRgb(ToRgb(color));
}

quint32 FromQColor(const QColor& color) {
    return Rgb(color.red(), color.green(), color.blue());
}

}  // namespace Colors
