#include "FrameTheme.h"

#include <array>

#include "Colors.h"

namespace FrameTheme {

Colors3 ThemeColors(int theme, quint32 frameColor, quint32 colorFrom, quint32 colorTo) {
    using Colors::Rgb;
    switch (theme) {
        case 0:
            return {Rgb(221, 236, 254), Rgb(129, 169, 226), Rgb(0, 0, 128)};
        case 2:
            return {Rgb(247, 249, 225), Rgb(181, 197, 143), Rgb(63, 93, 56)};
        case 3:
            return {Rgb(248, 248, 242), Rgb(194, 194, 171), Rgb(145, 145, 115)};
        case 4:
            return {Rgb(255, 239, 165), Rgb(217, 172, 1), Rgb(117, 91, 30)};
        case kCustomTheme:
            return {colorTo, colorFrom, frameColor};
        default:
            return {Rgb(244, 244, 251), Rgb(153, 151, 180), Rgb(75, 75, 111)};
    }
}

std::optional<Preset> StylePreset(int style) {
    // Colours as 0x00BBGGRR.
    static const std::array<Preset, 9> kPresets = [] {
        const auto base = [](quint32 text, quint32 frame, quint32 box, int alignment,
                             bool hostFill) {
            Preset preset;
            preset.textColor = text;
            preset.frameColor = frame;
            preset.textBoxColor = box;
            preset.alignment = alignment;
            preset.hostFill = hostFill;
            return preset;
        };
        std::array<Preset, 9> p{};
        p[0] = base(0xCF3603, 0xC3C3C3, 0xFFFFFF, 0, true);
        p[1] = base(0, 0, 0xFFFFFF, 2, false);
        p[1].themeColor = 0;
        p[2] = base(0, 0x6A6A6A, 0xB0EFF0, 2, true);
        p[2].roundedCornerTxtBox = true;
        p[3] = base(0, 0, 0xB0EFF0, 2, false);
        p[3].roundedCorner = true;
        p[3].roundedCornerTxtBox = false;
        p[3].fillColor = 0xE0FFFF;
        p[3].gradientHeaderStyle = 1;
        p[3].headerStyle = 0;
        p[4] = base(0, 0, 0xFFFFFF, 2, false);
        p[4].themeColor = 0;
        p[4].gradientHeaderStyle = 0;
        p[4].headerStyle = 0;
        p[5] = base(0xFFFFFF, 0x0000C0, 0x0000C0, 0, true);
        p[6] = base(0xFFFFFF, 0xA60000, 0xA60000, 0, true);
        p[7] = base(0xCF3603, 0xC3C3C3, 0xFFFFFF, 0, true);
        p[8] = base(0, 0, 0xFFFFFF, 2, false);
        p[8].themeColor = 0;
        p[8].gradientHeaderStyle = 2;
        p[8].headerStyle = 1;
        return p;
    }();
    if (style < 0 || style >= int(kPresets.size())) return std::nullopt;
    return kPresets[size_t(style)];
}

}  // namespace FrameTheme
