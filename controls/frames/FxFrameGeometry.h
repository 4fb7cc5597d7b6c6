#pragma once

#include "Gdi.h"

// The caption geometry of FxFrame as pure functions of the measured caption and the
// properties (pixels; integer division truncates toward zero).
namespace FxFrameGeometry {

enum class Style : int { GroupFrame = 0, PicturePanel = 1, Label = 2 };
enum class Alignment : int { Left = 0, Right = 1, Center = 2 };

// The y of the group frame's top line: the middle of the caption's line, below any border,
// and low enough for an icon when there is one.
int CaptionLineY(int textHeight, int lineWidth, int borderStyle, bool hasIcon, int iconSize);

// Left edge of the group frame's caption block (caption, and icon with its space).
int CaptionBlockLeft(int alignment, int right, int cRad, int captionOffset, int block,
                     bool pictureInBorder);

// The caption rectangle of the picture panel and the label.
Gdi::Rect CalcCaptionRect(int style, int alignment, int right, int bottom, int tw, int th, int bw);

}  // namespace FxFrameGeometry
