#include "skin/core/strip_frame.h"

namespace kestrum {

PixelRect CutStripFrame(PixelSize strip, int count, int index) {
    if (count < 1 || index < 1 || index > count) {
        return {};
    }
    const int frameWidth = strip.width / count;
    const int left = index < count ? frameWidth * (index - 1) : strip.width - frameWidth;
    return {left, 0, left + frameWidth, strip.height};
}

}  // namespace kestrum
