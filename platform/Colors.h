#pragma once

#include <QColor>
#include <QtGlobal>

// Colour values as the stored window data and the drawing code hold them: 0x00BBGGRR (red in
// the lowest byte), or 0x800000nn for system colour nn. This is the one place that converts
// between that order and Qt's 0xAARRGGBB pixels, and that blends pixels.
namespace Colors {

constexpr quint32 kSystemColorFlag = 0x80000000u;

// The system colours by their index (COLOR_SCROLLBAR .. COLOR_MENUBAR).
enum class SystemColor : quint8 {
    ScrollBar = 0,
    Desktop = 1,
    ActiveCaption = 2,
    InactiveCaption = 3,
    Menu = 4,
    Window = 5,
    WindowFrame = 6,
    MenuText = 7,
    WindowText = 8,
    CaptionText = 9,
    ActiveBorder = 10,
    InactiveBorder = 11,
    AppWorkspace = 12,
    Highlight = 13,
    HighlightText = 14,
    ButtonFace = 15,
    ButtonShadow = 16,
    GrayText = 17,
    ButtonText = 18,
    InactiveCaptionText = 19,
    ButtonHighlight = 20,
    DarkShadow3D = 21,
    Light3D = 22,
    InfoText = 23,
    InfoBackground = 24,
    Unused25 = 25,
    HotLight = 26,
    GradientActiveCaption = 27,
    GradientInactiveCaption = 28,
    MenuHighlight = 29,
    MenuBar = 30,
};

// Number of entries in the system colour table.
constexpr int kSystemColorCount = 31;

// The colour value that refers to a system colour (0x800000nn).
constexpr quint32 System(SystemColor color) {
    return kSystemColorFlag | quint32(color);
}

// The system colours the program names.
constexpr quint32 kButtonFace = System(SystemColor::ButtonFace);
constexpr quint32 kButtonShadow = System(SystemColor::ButtonShadow);
constexpr quint32 kButtonHighlight = System(SystemColor::ButtonHighlight);
constexpr quint32 kButtonText = System(SystemColor::ButtonText);
constexpr quint32 kWindowBackground = System(SystemColor::Window);
constexpr quint32 kWindowText = System(SystemColor::WindowText);
constexpr quint32 kGrayText = System(SystemColor::GrayText);
constexpr quint32 kHighlight = System(SystemColor::Highlight);
constexpr quint32 kHighlightText = System(SystemColor::HighlightText);

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

// The fixed system colour nn (the default theme of current desktop Windows), so the program
// looks the same on every machine. Out-of-range indices give black.
quint32 GetSysColor(int index);
inline quint32 GetSysColor(SystemColor color) {
    return GetSysColor(int(color));
}

// Turns a colour value into 0x00BBGGRR. System colours are looked up; a plain RGB value (top
// byte 0) passes through. Anything else fails and leaves *out unchanged.
bool OleTranslateColor(quint32 color, quint32* out);

// OleTranslateColor that falls back to black for values it cannot translate.
quint32 TranslateColor(quint32 color);

// A translated colour value as an opaque 0xFFRRGGBB pixel, and a pixel's colour value.
constexpr QRgb RgbToPixel(quint32 rgb) {
    return 0xFF000000u | ((rgb & 0xFF) << 16) | (rgb & 0xFF00) | ((rgb >> 16) & 0xFF);
}
constexpr quint32 PixelToRgb(QRgb pixel) {
    return ((pixel & 0xFF) << 16) | (pixel & 0xFF00) | ((pixel >> 16) & 0xFF);
}

// Any colour value (system colours translated) as a pixel or a QColor, and back.
inline QRgb ToRgb(quint32 color) {
    return RgbToPixel(TranslateColor(color));
}
QColor ToQColor(quint32 color);
quint32 FromQColor(const QColor& color);

// over drawn with coverage alpha (0..255) onto under; the result is opaque.
inline QRgb AlphaBlend(QRgb over, QRgb under, int alpha) {
    const auto mix = [alpha](int a, int b) { return (a * alpha + b * (255 - alpha) + 127) / 255; };
    return qRgb(mix(qRed(over), qRed(under)), mix(qGreen(over), qGreen(under)),
                mix(qBlue(over), qBlue(under)));
}

}  // namespace Colors
