#pragma once

#include <QFont>
#include <QSize>
#include <QString>
#include <functional>
#include <memory>

#include "Surface.h"

// The one paint cycle of the owner-drawn controls: everything is drawn on a back buffer in the
// control's font and text colour and reaches the screen in one copy, without flicker.
namespace PaintCycle {

// A width x height buffer, or null when no buffer of that size can be made.
std::unique_ptr<Surface> CreateBackBuffer(int width, int height);

// The drawing font of a control's font object: its point size rounded, then turned into pixels
// at the screen's 96 dpi with halves to even (10.5 pt gives 13 px); bold is weight 700, else
// 400; italic, underline and strike-out carried over; the face name as the ANSI code page
// holds it, cut to the 31 bytes a face-name field keeps.
QFont CreateFontFromObject(const QFont& font);
// The pixel height of that font (its negative is the system's character height).
int FontPixelHeight(const QFont& font);

// Text as the ANSI text calls show it: characters the code page lacks become "?".
QString AnsiText(const QString& text);

// One paint of a client-sized area: draw runs on the back buffer (or on null when none could
// be made), which is then copied to target at (0, 0).
void PaintControl(Surface& target, QSize client, const QFont& font, quint32 foreColor,
                  const std::function<void(Surface*)>& draw);

}  // namespace PaintCycle
