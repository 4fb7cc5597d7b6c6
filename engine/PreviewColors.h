#pragma once

#include <QtGlobal>

// The colours the previews print in (0x00BBGGRR), as the game client draws dialogue text.
namespace PreviewColors {

constexpr quint32 kWhite = 0xFFFFFF;       // plain text
constexpr quint32 kRed = 0x0000FF;         // tag text
constexpr quint32 kLinkYellow = 0x00FFFF;  // link text of the section engine

}  // namespace PreviewColors
