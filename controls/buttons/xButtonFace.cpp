#include "xButtonFace.h"

namespace xButtonFace {

Layout LayoutFace(const LayoutInput& in, const Layout& previous) {
    Layout out = previous;
    const int w = in.width;
    const int h = in.height;
    const bool pressed = in.state == ButtonState::Pressed;
    if (!in.useIco) {
        out.captionRect = pressed ? Gdi::Rect{5, 5, w - 3, h - 3} : Gdi::Rect{3, 3, w - 3, h - 3};
        return out;
    }
    const int centredX = (w - in.icoWidth) / 2;
    const int centredY = (h - in.icoHeight) / 2;
    if (in.captionEmpty) {
        out.iconX = centredX + (pressed ? 1 : 0);
        out.iconY = centredY + (pressed ? 1 : 0);
        return out;
    }
    if (pressed) {
        out.iconX = centredX + 2;
        out.iconY = centredY - in.fontPoints + 2;
        if (out.iconY < 3) out.iconY = 4;
        out.captionRect = {5, out.iconY + in.icoHeight + 2, w - 2, h - 2};
    } else {
        out.iconX = centredX;
        out.iconY = centredY - in.fontPoints;
        if (out.iconY < 1) out.iconY = 2;
        out.captionRect = {3, out.iconY + in.icoHeight, w - 2, h - 2};
    }
    return out;
}

QList<Piece> NinePieces(int tile, int face, int w, int h) {
    const int sx = kTileWidth * tile;
    const int dx = face * w;
    const int midW = w - 6;
    const int midH = h - 6;
    return {
        {{sx, 0, 3, 3}, {dx, 0, 3, 3}},
        {{sx, 3, 3, 19}, {dx, 3, 3, midH}},
        {{sx, 22, 3, 3}, {dx, h - 3, 3, 3}},
        {{sx + 3, 0, 1, 3}, {dx + 3, 0, midW, 3}},
        {{sx + 3, 3, 1, 19}, {dx + 3, 3, midW, midH}},
        {{sx + 3, 22, 1, 3}, {dx + 3, h - 3, midW, 3}},
        {{sx + 4, 0, 3, 3}, {dx + w - 3, 0, 3, 3}},
        {{sx + 4, 3, 3, 19}, {dx + w - 3, 3, 3, midH}},
        {{sx + 4, 22, 3, 3}, {dx + w - 3, h - 3, 3, 3}},
    };
}

}  // namespace xButtonFace
