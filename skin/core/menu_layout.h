#pragma once

#include "skin/core/pixel_geometry.h"

namespace kestrum {

// The sizes a skinned popup menu measures its items with.
struct MenuMetrics {
    int menuItemHeight = 21;
    int separatorHeight = 5;
    int barWidth = 26;
};

// Height and width of one item: a separator is SeparatorHeight high; a normal
// item max(text height, MenuItemHeight) high and caption + shortcut text +
// BarWidth + 40 wide.
PixelSize MeasureMenuItem(const MenuMetrics& metrics, bool separator, int captionWidth,
                          int shortcutWidth, int textHeight);

// Where the parts of a normal item in `item` go. The bar strip is the
// leftmost BarWidth pixels (rightmost right-to-left) and `body` the rest.
struct MenuItemLayout {
    PixelRect bar;
    PixelRect body;
    PixelRect caption;            // single line, vertically centred, aligned to the reading side
    PixelRect shortcut;           // single line, vertically centred
    PixelPoint image;             // check mark or item image
    PixelRect checkedImageFrame;  // one-pixel black box around a checked item's image
    PixelRect checkedImageFill;   // its inside, in SelectedColor
};
MenuItemLayout LayoutMenuItem(PixelRect item, int barWidth, int shortcutWidth, bool rightToLeft);

// The one-pixel separator line, 2 pixels below the item's top.
PixelRect MenuSeparatorLine(PixelRect item, int barWidth, bool rightToLeft);

}  // namespace kestrum
