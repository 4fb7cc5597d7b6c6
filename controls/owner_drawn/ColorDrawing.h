#pragma once

#include <QtGlobal>

#include "Surface.h"

// Fills, frames and lines in a given colour, independent of the surface's pen and brush. A null
// surface (a back buffer that could not be made) draws nothing.
namespace ColorDrawing {

void FillRectColor(Surface* dc, const Gdi::Rect& rect, quint32 color);
// A one-pixel border just inside rect.
void FrameRectColor(Surface* dc, const Gdi::Rect& rect, quint32 color);
// An axis-parallel line as a filled rectangle width thick, the end point excluded; a slanted
// line draws nothing.
void FillLine(Surface* dc, int x1, int y1, int x2, int y2, quint32 color, int width);
// A solid pen line; the last point is not drawn. The surface's pen is restored.
void DrawPenLine(Surface* dc, int x1, int y1, int x2, int y2, quint32 color, int width);

}  // namespace ColorDrawing
