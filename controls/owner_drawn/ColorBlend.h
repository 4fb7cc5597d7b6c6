#pragma once

#include <QtGlobal>

// Colour arithmetic of the owner-drawn controls, on plain 0x00BBGGRR values.
namespace ColorBlend {

struct Channels {
    int red = 0;
    int green = 0;
    int blue = 0;
    bool operator==(const Channels&) const = default;
};

Channels SplitColor(quint32 color);

// Moves from amount of the way toward to, per channel, rounding halves to even. An amount
// above 1 counts as 1; channels stay within 0..255.
quint32 BlendColor(quint32 from, quint32 to, float amount);

}  // namespace ColorBlend
