#pragma once

#include <string_view>
#include <vector>

#include "skin/core/pixel_geometry.h"

namespace kestrum {

// Where a push button's glyph sits relative to its caption.
enum class TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };

// The glyph and caption origins of a button of `button` size showing a glyph
// of `glyph` size beside a caption of `caption` size, `spacing` pixels apart.
// A glyph twice as wide as high holds two square images (enabled, disabled)
// and counts as square.
struct GlyphPlacement {
    PixelPoint glyph;
    PixelPoint caption;
};
GlyphPlacement PlaceGlyph(TButtonLayout layout, PixelSize button, PixelSize glyph,
                          PixelSize caption, int spacing);

// The offset that centres a text of `text` size in `box`, each halving
// rounded towards zero.
PixelPoint CentreIn(PixelSize box, PixelSize text);

// The arrow button's triangle: apex and base corners of a 7-pixel wide,
// 4-pixel high triangle centred in `button`, pointing up or down.
enum class TlumArrow { lumUp = 0, lumDown = 1 };
struct ArrowTriangle {
    PixelPoint corners[3];
};
ArrowTriangle ArrowCorners(PixelSize button, TlumArrow arrow);

// The triangle as horizontal pixel runs (outline and fill), top to bottom.
struct PixelRun {
    int y;
    int left;
    int right;  // exclusive
    friend bool operator==(const PixelRun&, const PixelRun&) = default;
};
std::vector<PixelRun> ArrowRuns(PixelSize button, TlumArrow arrow);

// The accelerator of a caption: the character after the first single "&"
// ("&OK" gives 'o'), in lower case; 0 when there is none ("&&" is a plain "&").
char AcceleratorOf(std::string_view caption);

}  // namespace kestrum
