#pragma once

#include <vector>

#include "skin/core/pixel_geometry.h"

namespace kestrum {

// One blit of a nine-part draw: a piece of the state image stretched (or
// copied, when the sizes agree) onto a rectangle of the target.
struct SplitDrawStep {
    PixelRect source;
    PixelRect target;
    bool magentaKeyed;  // magenta ($FF00FF) pixels of the piece are not drawn
    friend bool operator==(const SplitDrawStep&, const SplitDrawStep&) = default;
};

// The nine-part draw of an image of `image` size into a target of `target`
// size at (0, 0): the four corners unscaled (cropped on their inner side when
// their slot is smaller, so the outer edge of the artwork stays), then the
// left, right, top and bottom edges and the centre stretched between them.
// Corners are magenta-keyed only when `transparentCorners`; edges and centre
// always. Steps whose source or target is empty are left out, and source
// pieces are clipped to the image; targets wholly outside the target area are dropped.
std::vector<SplitDrawStep> PlanSplitDraw(PixelSize image, PixelSize target,
                                         bool transparentCorners);

}  // namespace kestrum
