#include "skin/core/button_layout.h"

#include <cctype>

namespace kestrum {

GlyphPlacement PlaceGlyph(TButtonLayout layout, PixelSize button, PixelSize glyph,
                          PixelSize caption, int spacing) {
    const int W = button.width, H = button.height, S = spacing;
    const int tw = caption.width, th = caption.height, gh = glyph.height;
    const int gw = glyph.width == 2 * glyph.height ? glyph.height : glyph.width;
    GlyphPlacement place;
    switch (layout) {
        case TButtonLayout::blGlyphLeft:
            place.glyph = {(W - gw - tw - S) / 2, (H - gh) / 2};
            place.caption = {place.glyph.x + gw + S, (H - th) / 2};
            break;
        case TButtonLayout::blGlyphRight:
            place.glyph = {(W + tw + S - gw) / 2, (H - gh) / 2};
            place.caption = {place.glyph.x - tw - S, (H - th) / 2};
            break;
        case TButtonLayout::blGlyphTop:
            place.glyph = {(W - gw) / 2, (H - th - gh - S) / 2};
            place.caption = {(W - tw) / 2, place.glyph.y + gh + S};
            break;
        case TButtonLayout::blGlyphBottom:
            place.glyph = {(W - gw) / 2, (H + th + S - gh) / 2};
            place.caption = {(W - tw) / 2, place.glyph.y - th - S};
            break;
    }
    return place;
}

PixelPoint CentreIn(PixelSize box, PixelSize text) {
    return {(box.width - text.width) / 2, (box.height - text.height) / 2};
}

ArrowTriangle ArrowCorners(PixelSize button, TlumArrow arrow) {
    const int x0 = (button.width - 6) / 2;
    const int y0 = (button.height - 3) / 2;
    if (arrow == TlumArrow::lumUp) {
        return {{{x0, y0 + 3}, {x0 + 3, y0}, {x0 + 6, y0 + 3}}};
    }
    return {{{x0, y0}, {x0 + 3, y0 + 3}, {x0 + 6, y0}}};
}

std::vector<PixelRun> ArrowRuns(PixelSize button, TlumArrow arrow) {
    const int x0 = (button.width - 6) / 2;
    const int y0 = (button.height - 3) / 2;
    std::vector<PixelRun> runs;
    for (int row = 0; row <= 3; ++row) {
        const int inset = arrow == TlumArrow::lumDown ? row : 3 - row;
        runs.push_back({y0 + row, x0 + inset, x0 + 7 - inset});
    }
    return runs;
}

char AcceleratorOf(std::string_view caption) {
    for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != '&') {
            continue;
        }
        if (caption[i + 1] != '&') {
            return static_cast<char>(std::tolower(static_cast<unsigned char>(caption[i + 1])));
        }
        ++i;
    }
    return 0;
}

}  // namespace kestrum
