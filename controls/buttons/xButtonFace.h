#pragma once

#include <QList>
#include <QRect>

#include "ButtonState.h"
#include "Gdi.h"

// The pure geometry of the skinned button's face: where icon and caption go, and how a skin
// tile is cut into nine pieces and stretched over a face.
namespace xButtonFace {

struct Layout {
    int iconX = 0;
    int iconY = 0;
    Gdi::Rect captionRect;
};

struct LayoutInput {
    int width = 0;
    int height = 0;
    ButtonState state = ButtonState::Normal;
    bool useIco = false;
    bool captionEmpty = true;
    int icoWidth = 0;
    int icoHeight = 0;
    int fontPoints = 9;  // the caption font's size in whole points
};

// previous is kept where the layout leaves a value alone (an icon without caption keeps the
// caption rectangle; no icon keeps the icon place).
Layout LayoutFace(const LayoutInput& in, const Layout& previous);

// One piece of a tile copied onto a face.
struct Piece {
    QRect source;
    QRect target;
};

// Tile size and cut: 7 x 25, cut 3 + 1 + 3 across and 3 + 19 + 3 down.
constexpr int kTileWidth = 7;
constexpr int kTileHeight = 25;
constexpr int kMinimumSide = 7;

// The nine pieces of tile `tile` stretched over face `face` of a w x h face strip.
QList<Piece> NinePieces(int tile, int face, int w, int h);

}  // namespace xButtonFace
