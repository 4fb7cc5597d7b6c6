#pragma once

#include "Gdi.h"

// Where the tabs of a strip lie, as pure functions of its sizes (pixels).
namespace TabGeometry {

struct Sizes {
    int tabCount = 3;
    int labelActHeight = 29;
    int labelHeight = 24;
    int labelWidth = 80;
    int labelBlank = 2;

    int StripHeight() const { return labelActHeight > labelHeight ? labelActHeight : labelHeight; }
    int StripWidth() const { return (labelWidth + labelBlank) * tabCount; }
};

// Whether the sizes keep the strip's widths and sums inside 16 bits, and each size within its
// lower limit (tab count 1, heights and width 15, gap 0).
bool FitsInt16(const Sizes& sizes);

// The tab under the pointer, or -1: the hot zone is labelHeight high for every tab and leaves
// out the gap before each tab.
int TabAt(const Sizes& sizes, float x, float y);

// Left edge of tab i.
int TabLeft(const Sizes& sizes, int i);

// The rectangle a tab's caption is centred in.
Gdi::Rect CaptionRect(const Sizes& sizes, int i, bool active);

}  // namespace TabGeometry
