#pragma once

// The face a skinned button shows; the values index its skin tiles and icon holders.
enum class ButtonState : int { Normal = 0, Hover = 1, Pressed = 2, Disabled = 3 };

constexpr int kButtonStateCount = 4;
