#include "skin/core/split_draw_plan.h"

#include <algorithm>

namespace kestrum {
namespace {

PixelRect ClipTo(PixelRect rect, PixelSize size) {
    rect.left = std::clamp(rect.left, 0, size.width);
    rect.right = std::clamp(rect.right, 0, size.width);
    rect.top = std::clamp(rect.top, 0, size.height);
    rect.bottom = std::clamp(rect.bottom, 0, size.height);
    return rect;
}

// A corner piece no larger than its slot, cut away on the side that faces the
// image centre. `atRight` / `atBottom` tell which sides are the outer ones.
PixelRect CropCorner(PixelRect piece, int slotWidth, int slotHeight, bool atRight, bool atBottom) {
    const int width = std::max(0, std::min(piece.Width(), slotWidth));
    const int height = std::max(0, std::min(piece.Height(), slotHeight));
    if (atRight) {
        piece.left = piece.right - width;
    } else {
        piece.right = piece.left + width;
    }
    if (atBottom) {
        piece.top = piece.bottom - height;
    } else {
        piece.bottom = piece.top + height;
    }
    return piece;
}

void Add(std::vector<SplitDrawStep>& steps, PixelSize area, PixelRect source, PixelRect target,
         bool keyed) {
    if (!source.IsEmpty() && !ClipTo(target, area).IsEmpty()) {
        steps.push_back({source, target, keyed});
    }
}

}  // namespace

std::vector<SplitDrawStep> PlanSplitDraw(PixelSize image, PixelSize target,
                                         bool transparentCorners) {
    const int W = image.width, H = image.height, w = target.width, h = target.height;
    const int WD = W / 2, HD = H / 2, wd = w / 2, hd = h / 2;

    // Source pieces with their half-open ranges.
    const PixelRect topLeft = ClipTo({0, 0, WD, HD}, image);
    const PixelRect topRight = ClipTo({W - WD + 1, 0, W, HD}, image);
    const PixelRect bottomLeft = ClipTo({0, H - HD + 1, WD, H}, image);
    const PixelRect bottomRight = ClipTo({W - WD + 1, H - HD + 1, W, H}, image);
    const PixelRect leftEdge = ClipTo({0, HD, WD, H - HD}, image);
    const PixelRect rightEdge = ClipTo({W - WD + 1, H - HD, W, HD + 2}, image);
    const PixelRect topEdge = ClipTo({WD, 0, W - WD + 1, HD}, image);
    const PixelRect bottomEdge = ClipTo({WD, H - HD, W - WD + 1, H}, image);
    const PixelRect centre = ClipTo({WD, HD, W - WD + 1, H - HD}, image);

    // Corners, unscaled, each within its slot of the target.
    const PixelRect tlSource = CropCorner(topLeft, wd, hd, false, false);
    const PixelRect trSource = CropCorner(topRight, wd - 1, hd, true, false);
    const PixelRect blSource = CropCorner(bottomLeft, wd, hd - 1, false, true);
    const PixelRect brSource = CropCorner(bottomRight, wd - 1, hd - 1, true, true);
    const PixelRect TL{0, 0, tlSource.Width(), tlSource.Height()};
    const PixelRect TR{w - trSource.Width(), 0, w, trSource.Height()};
    const PixelRect BL{0, h - blSource.Height(), blSource.Width(), h};
    const PixelRect BR{w - brSource.Width(), h - brSource.Height(), w, h};

    std::vector<SplitDrawStep> steps;
    Add(steps, target, tlSource, TL, transparentCorners);
    Add(steps, target, trSource, TR, transparentCorners);
    Add(steps, target, blSource, BL, transparentCorners);
    Add(steps, target, brSource, BR, transparentCorners);

    // Edges and centre, stretched between the drawn corners.
    Add(steps, target, leftEdge, {0, TL.bottom, TL.right, BL.top}, true);
    Add(steps, target, rightEdge, {TR.left, TR.bottom, w, BR.top}, true);
    Add(steps, target, topEdge, {TL.right, 0, TR.left, TL.bottom}, true);
    Add(steps, target, bottomEdge, {TL.right - 1, BL.top - 1, BR.left, h}, true);
    Add(steps, target, centre, {TL.right, TL.bottom, TR.left, BR.top - 1}, true);
    return steps;
}

}  // namespace kestrum
