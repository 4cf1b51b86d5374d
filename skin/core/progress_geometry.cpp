#include "skin/core/progress_geometry.h"

namespace kestrum {
namespace {

// (position - min) / (max - min) x scale, truncated towards zero. Exact integer
// arithmetic: a floating-point quotient turns 29 of 0..100 into 28.999...
long long TruncatedShare(const ProgressRange& range, long long scale) {
    const long long done = static_cast<long long>(range.position) - range.min;
    const long long span = static_cast<long long>(range.max) - range.min;
    return done * scale / span;
}

}  // namespace

int ProgressPercent(const ProgressRange& range) {
    if (range.min == range.max) {
        return 0;
    }
    return static_cast<int>(TruncatedShare(range, 100));
}

std::string ProgressCaption(const ProgressRange& range) {
    return std::to_string(ProgressPercent(range)) + "%";
}

int ProgressFilledLength(const ProgressRange& range, int length) {
    if (range.min >= range.max || range.position <= range.min) {
        return 0;
    }
    if (range.position > range.max) {
        return length;
    }
    return static_cast<int>(TruncatedShare(range, length));
}

ProgressBarLayout LayoutProgressBar(const ProgressRange& range, PixelSize size, bool vertical) {
    const int w = size.width, h = size.height;
    if (!vertical) {
        int b = ProgressFilledLength(range, w - 1);
        if (b == 0) {
            b = 1;
        }
        return {{1, 1, b, h - 1}, {b, 1, w - 1, h - 1}};
    }
    int b = ProgressFilledLength(range, h - 1);
    if (b == 0) {
        b = 1;
    }
    return {{1, h - b, w - 1, h - 1}, {1, 1, w - 1, h - b}};
}

}  // namespace kestrum
