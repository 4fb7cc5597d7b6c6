#pragma once

#include <QImage>
#include <QList>
#include <QtGlobal>

#include "Surface.h"
#include "TabGeometry.h"

// The skin image of the tab strip and the faces built from it. The image is a grid of 8 rows
// (one skin each) of 3 cells of 40 x 20 pixels: active, hovered and other face.
namespace TabSkin {

constexpr int kSkinCount = 8;
constexpr int kCellWidth = 40;
constexpr int kCellHeight = 20;
constexpr int kCorner = 5;

// Marks, in the skin image, what lies outside a rounded corner.
constexpr quint32 kKeyColor = 0x00FF00FF;
// The strip's see-through colour (red 0xDA, green 0, blue 0xFF).
constexpr quint32 kMaskColor = 0x00FF00DA;

enum class FaceColumn { Active = 0, Hovered = 1, Other = 2 };

// The built-in skin image, 120 x 160 pixels.
const QImage& SkinImage();

// The body outline colour of each skin: the bottom-right pixel of its row.
QList<quint32> ReadBorderColors(const QImage& skin);

// Draws one face of the given height at x into the work strip by nine-part stretching from the
// skin's cell, bottom-aligned, then turns the key pixels of its top corners into mask colour.
void BuildTabFace(Surface& strip, const QImage& skin, int skinIndex, int x, int height,
                  FaceColumn column, int labelWidth);

// Turns the key-colour pixels of the 6 x 6 block at (x0, y0) into mask colour.
void KeyCorner(Surface& strip, int x0, int y0);

// The work strip: the three faces side by side at the current sizes over mask colour.
void BuildWorkStrip(Surface& strip, const QImage& skin, int skinIndex,
                    const TabGeometry::Sizes& sizes);

}  // namespace TabSkin
