#pragma once

#include <QtGlobal>
#include <array>

// The client's 256 colour codes as 0x00BBGGRR. Written once at start-up, read by the classic
// engine; the colour-code reader decides which indices reach it.
extern std::array<quint32, 256> ColorPalette;
