#include "skin/core/check_box_layout.h"

#include <algorithm>

namespace kestrum {

PixelSize CheckBoxAutoSize(PixelSize image, int captionWidth, int textHeight) {
    return {image.width + captionWidth + 8, std::max(textHeight + 2, image.height) + 4};
}

CheckBoxLayout LayoutCheckBox(PixelSize size, PixelSize image, int textHeight, bool rightToLeft) {
    const int t = (size.height - textHeight) / 2;
    const int i = (size.height - image.height) / 2;
    if (rightToLeft) {
        return {{size.width - image.width - 1, i},
                {0, t, size.width - image.width - 4, size.height},
                {0, t, size.width - image.width - 2, t + textHeight + 2}};
    }
    return {{1, i},
            {image.width + 4, t, size.width, size.height},
            {image.width + 3, t, size.width, t + textHeight + 2}};
}

}  // namespace kestrum
