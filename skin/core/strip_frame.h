#pragma once

#include "skin/core/pixel_geometry.h"

namespace kestrum {

// The columns of frame `index` (1-based) of a strip of `count` equal frames:
// frame width fw = stripWidth div count, the full strip height; the last
// frame is always the rightmost fw columns, so columns left over by the
// division are skipped before it. Empty for a count below 1 or an index
// outside 1..count.
PixelRect CutStripFrame(PixelSize strip, int count, int index);

}  // namespace kestrum
