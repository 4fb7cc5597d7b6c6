#include "Gdi.h"

namespace Gdi {

Brush Brush::FromFillStyle(int fillStyle, quint32 color) {
    switch (fillStyle) {
        case 0:
            return Solid(color);
        case 2:
            return Hatched(HS_HORIZONTAL, color);
        case 3:
            return Hatched(HS_VERTICAL, color);
        case 4:
            return Hatched(HS_BDIAGONAL, color);  // upward diagonal
        case 5:
            return Hatched(HS_FDIAGONAL, color);  // downward diagonal
        case 6:
            return Hatched(HS_CROSS, color);
        case 7:
            return Hatched(HS_DIAGCROSS, color);
        default:
            return Null();
    }
}

}  // namespace Gdi
