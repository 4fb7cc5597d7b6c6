#include "ColorBlend.h"

#include "Colors.h"
#include "Rounding.h"

namespace ColorBlend {

Channels SplitColor(quint32 color) {
    return {int(color & 255), int((color / 256) & 255), int(color / 65536)};
}

quint32 BlendColor(quint32 from, quint32 to, float amount) {
    if (amount > 1.0f) amount = 1.0f;
    const Channels a = SplitColor(from);
    const Channels b = SplitColor(to);
    const auto mix = [amount](int x, int y) {
        return qBound(0, RoundHalfEven(x + double(y - x) * double(amount)), 255);
    };
    return Colors::Rgb(mix(a.red, b.red), mix(a.green, b.green), mix(a.blue, b.blue));
}

}  // namespace ColorBlend
