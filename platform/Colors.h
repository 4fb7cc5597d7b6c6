#pragma once

#include <QColor>
#include <QtGlobal>

// Colour values as the stored window data and the drawing code hold them: 0x00BBGGRR (red in
// the lowest byte), or 0x800000nn for system colour nn.
namespace Colors {

constexpr quint32 kSystemColorFlag = 0x80000000u;

constexpr quint32 Rgb(int r, int g, int b) {
    return quint32(r & 0xFF) | (quint32(g & 0xFF) << 8) | (quint32(b & 0xFF) << 16);
}
constexpr int Red(quint32 c) {
    return int(c & 0xFF);
}
constexpr int Green(quint32 c) {
    return int((c >> 8) & 0xFF);
}
constexpr int Blue(quint32 c) {
    return int((c >> 16) & 0xFF);
}

// Number of entries in the system colour table (COLOR_SCROLLBAR .. COLOR_MENUBAR).
constexpr int kSystemColorCount = 31;

// The fixed system colour nn (the default theme of current desktop Windows), so the program
// looks the same on every machine. Out-of-range indices give black.
quint32 GetSysColor(int index);

// Turns a colour value into 0x00BBGGRR. System colours are looked up; a plain RGB value (top
// byte 0) passes through. Anything else fails and leaves *out unchanged.
bool OleTranslateColor(quint32 colour, quint32* out);

// OleTranslateColor that falls back to black for values it cannot translate.
quint32 TranslateColor(quint32 colour);

QColor ToQColor(quint32 colour);
// The same as an opaque 0xAARRGGBB pixel value.
QRgb ToRgb(quint32 colour);
quint32 FromQColor(const QColor& colour);

}  // namespace Colors
