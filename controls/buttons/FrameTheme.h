#pragma once

#include <QtGlobal>
#include <optional>

// The colour themes of the group frame and the property presets each Style brings.
namespace FrameTheme {

constexpr int kCustomTheme = 5;

struct Colors3 {
    quint32 light = 0;
    quint32 mid = 0;
    quint32 dark = 0;
    bool operator==(const Colors3&) const = default;
};

// Themes 0..4 from their table (1 also for any unknown value); the custom theme 5 runs from
// colorFrom (mid) to colorTo (light) with the frame colour as dark.
Colors3 ThemeColors(int theme, quint32 frameColor, quint32 colorFrom, quint32 colorTo);

// What writing Style sets. Fields left empty are left alone; hostFill means FillColor becomes
// the host's background colour.
struct Preset {
    quint32 textColor = 0;
    quint32 frameColor = 0;
    quint32 textBoxColor = 0;
    int textBoxHeight = 22;
    int alignment = 2;
    bool hostFill = false;
    std::optional<quint32> fillColor;
    std::optional<int> themeColor;
    std::optional<bool> roundedCorner;
    std::optional<bool> roundedCornerTxtBox;
    std::optional<int> gradientHeaderStyle;
    std::optional<int> headerStyle;
};

// The preset of style 0..8; nullopt for any other style, which changes nothing.
std::optional<Preset> StylePreset(int style);

}  // namespace FrameTheme
