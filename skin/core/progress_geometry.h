#pragma once

#include <string>

#include "skin/core/pixel_geometry.h"

namespace kestrum {

// The range and position of a progress bar; nothing is clamped.
struct ProgressRange {
    int min = 0;
    int max = 100;
    int position = 50;
};

// (position - min) / (max - min) x 100 truncated towards zero; 0 when min = max.
int ProgressPercent(const ProgressRange& range);

// "50%", "-20%", "150%": the caption the bar shows.
std::string ProgressCaption(const ProgressRange& range);

// How much of `length` pixels is filled: 0 when min >= max or position <= min,
// all of it above max, else (position - min) / (max - min) x length truncated.
int ProgressFilledLength(const ProgressRange& range, int length);

// Where a horizontal bar of `size` draws its picture and its unfilled colour.
// The picture ends at b = filled length of width - 1 (at least 1, which leaves
// it empty); the rest up to the right border is the colour. Vertical bars grow
// from the bottom over height - 1 in the same way.
struct ProgressBarLayout {
    PixelRect picture;
    PixelRect rest;
};
ProgressBarLayout LayoutProgressBar(const ProgressRange& range, PixelSize size, bool vertical);

}  // namespace kestrum
