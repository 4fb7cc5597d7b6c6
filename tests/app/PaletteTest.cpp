#include <gtest/gtest.h>

#include "ColorListMod.h"
#include "ColorPalette.h"

namespace {

TEST(ColorPalette, EntriesThatMatter) {
    ColorPalette.fill(0x123456);
    ColorListMod::FillColorPalette();
    const std::pair<int, quint32> cases[] = {
        {0, 0x000000},   {1, 0x000080},   {7, 0xC0C0C0},   {21, 0x5A5AFF},  {133, 0x4A8C42},
        {151, 0x00E7F7}, {172, 0xA55921}, {173, 0x000000}, {186, 0x4A9C9C}, {245, 0xB317E3},
        {247, 0xA4A0A0}, {248, 0},        {249, 0},        {250, 0},        {251, 0},
        {252, 0xFF0000}, {253, 0},        {254, 0},        {255, 0xFFFFFF}};
    for (const auto& [index, value] : cases)
        EXPECT_EQ(ColorPalette[size_t(index)], value) << index;
}

}  // namespace
