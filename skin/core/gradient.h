#pragma once

#include <vector>

#include "skin/core/ui_style.h"

namespace kestrum {

// The column colours of a left-to-right gradient `width` pixels wide: the
// first column in `from`, the last in `to`, and column x between them in
// from + (to - from) / width * x per component, truncated towards zero.
// Empty when the width is not positive. Both colours are plain $BBGGRR.
std::vector<TColor> GradientColumnsH(TColor from, TColor to, int width);

}  // namespace kestrum
