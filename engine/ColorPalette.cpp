#include "ColorPalette.h"

std::array<quint32, 256> ColorPalette{};
