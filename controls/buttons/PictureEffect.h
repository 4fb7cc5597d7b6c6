#pragma once

#include <QImage>
#include <QRect>
#include <QtGlobal>
#include <optional>

#include "Surface.h"

// Draws a picture into the surface rectangle (x, y, w, h) pixel by pixel. Picture pixels of
// the key colour leave the surface as it is. The others become, when paint is given, paint
// (with brightOnly, only the dark ones: bright ones leave the surface as it is); otherwise a
// greyscale value, a blend of two parts picture to one part surface, or the picture colour.
// A w or h of 0 draws nothing; a negative one stands for the picture's own size. Colours are
// 0x00BBGGRR.
struct PictureEffect {
    quint32 key = 0;
    std::optional<quint32> paint;
    bool brightOnly = false;
    bool greyscale = false;
    bool blend = false;

    void Draw(Surface& surface, int x, int y, int w, int h, const QImage& picture) const;
    // The colour one picture pixel gives over one surface pixel; nullopt leaves the surface.
    std::optional<quint32> Merge(quint32 picture, quint32 under) const;

    // The part of the rectangle (x, y, w, h) that lies on the surface; empty when none does.
    static QRect VisiblePart(const Surface& surface, int x, int y, int w, int h);
    // Draws picture stretched to (x, y, w, h) onto canvas, which holds only the visible part of
    // that rectangle: a huge icon size costs no more than the control's own size.
    static void DrawScaledPart(QImage* canvas, const QImage& picture, int x, int y, int w, int h,
                               const QRect& visible);
};
