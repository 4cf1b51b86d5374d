#include "skin/core/menu_layout.h"

#include <algorithm>

namespace kestrum {

PixelSize MeasureMenuItem(const MenuMetrics& metrics, bool separator, int captionWidth,
                          int shortcutWidth, int textHeight) {
    const int width = captionWidth + shortcutWidth + metrics.barWidth + 40;
    if (separator) {
        return {width, metrics.separatorHeight};
    }
    return {width, std::max(textHeight, metrics.menuItemHeight)};
}

MenuItemLayout LayoutMenuItem(PixelRect item, int barWidth, int shortcutWidth, bool rightToLeft) {
    const PixelRect r = item;
    MenuItemLayout layout;
    if (rightToLeft) {
        // The bar and the image column move to the right. The texts keep
        // the bar's width on the left: the caption is right-aligned up to 4
        // pixels from the right edge, the shortcut starts 4 pixels past it.
        layout.bar = {r.right - barWidth, r.top, r.right, r.bottom};
        layout.body = {r.left, r.top, r.right - barWidth, r.bottom};
        layout.caption = {r.left + barWidth, r.top, r.right - 4, r.bottom};
        layout.shortcut = {r.left + barWidth + 4, r.top, r.right, r.bottom};
        layout.image = {r.right - 20, r.top + 3};
    } else {
        layout.bar = {r.left, r.top, r.left + barWidth, r.bottom};
        layout.body = {r.left + barWidth, r.top, r.right, r.bottom};
        layout.caption = {r.left + barWidth + 4, r.top, r.right, r.bottom};
        layout.shortcut = {r.right - shortcutWidth - 16, r.top, r.right, r.bottom};
        layout.image = {r.left + 4, r.top + 3};
    }
    const int x = layout.image.x;
    layout.checkedImageFrame = {x - 2, r.top + 1, x + 17, r.top + 20};
    layout.checkedImageFill = {x - 1, r.top + 2, x + 16, r.top + 19};
    return layout;
}

PixelRect MenuSeparatorLine(PixelRect item, int barWidth, bool rightToLeft) {
    const int y = item.top + 2;
    if (rightToLeft) {
        return {item.left + 2, y, item.right - barWidth - 4, y + 1};
    }
    return {item.left + barWidth + 4, y, item.right - 2, y + 1};
}

}  // namespace kestrum
