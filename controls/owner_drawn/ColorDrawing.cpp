#include "ColorDrawing.h"

namespace ColorDrawing {

void FillRectColor(Surface* dc, const Gdi::Rect& rect, quint32 color) {
    if (dc) dc->FillRect(rect, color);
}

void FrameRectColor(Surface* dc, const Gdi::Rect& rect, quint32 color) {
    if (dc) dc->FrameRect(rect, color);
}

void FillLine(Surface* dc, int x1, int y1, int x2, int y2, quint32 color, int width) {
    if (y1 == y2)
        FillRectColor(dc, {x1, y1, x2, y1 + width}, color);
    else if (x1 == x2)
        FillRectColor(dc, {x1, y1, x1 + width, y2}, color);
}

void DrawPenLine(Surface* dc, int x1, int y1, int x2, int y2, quint32 color, int width) {
    if (!dc) return;
    const Gdi::Pen previous = dc->SelectPen({Gdi::PS_SOLID, width, color});
    dc->MoveToEx(x1, y1);
    dc->LineTo(x2, y2);
    dc->SelectPen(previous);
}

}  // namespace ColorDrawing
