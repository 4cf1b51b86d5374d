#pragma once

#include "skin/core/pixel_geometry.h"

namespace kestrum {

// The size of an auto-sized check box: box image plus caption, with room
// for the focus rectangle. textHeight is the height of "W" in its font.
PixelSize CheckBoxAutoSize(PixelSize image, int captionWidth, int textHeight);

// Where a check box of `size` draws its box image, its caption and its focus
// rectangle; mirrored for right-to-left layouts.
struct CheckBoxLayout {
    PixelPoint image;
    PixelRect caption;  // left-aligned, or right-aligned when right-to-left
    PixelRect focus;
};
CheckBoxLayout LayoutCheckBox(PixelSize size, PixelSize image, int textHeight, bool rightToLeft);

}  // namespace kestrum
