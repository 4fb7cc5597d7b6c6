#include "OwnerDrawnControl.h"

#include <QPainter>

#include "PaintCycle.h"

void OwnerDrawnControl::Invalidate() {
    if (UserMode()) {
        update();
        return;
    }
    Redraw();
    Refresh();
}

void OwnerDrawnControl::Redraw() {
    if (UserMode()) {
        update();
        return;
    }
    Surface& dc = surface();
    dc.SetBkMode(Gdi::TRANSPARENT);
    dc.SetTextColor(Colors::TranslateColor(PaintForeColor()));
    dc.SelectFont(PaintCycle::CreateFontFromObject(PaintFont()));
    Draw(&dc);
}

void OwnerDrawnControl::OnPaint() {
    if (!UserMode()) Redraw();
}

void OwnerDrawnControl::PaintWindow() {
    PaintCycle::PaintControl(surface(), size(), PaintFont(), PaintForeColor(),
                             [this](Surface* dc) { Draw(dc); });
    QPainter painter(this);
    painter.drawImage(0, 0, surface().image());
}
