#pragma once

#include <QImage>
#include <QString>

namespace kestrum::test {

// How far two pictures of the same drawing may differ and still count as the
// same. Qt's raster engine blends anti-aliased edges on processor-specific
// SIMD paths, so one drawing rendered on two machines can differ by a unit in
// a channel of a few edge pixels. A changed drawing moves colours by far more
// than that, or touches far more pixels.
struct PixelTolerance {
    int channel = 2;               // largest difference allowed in any of A, R, G, B
    double differingShare = 0.05;  // share of the pixels that may differ at all
};

inline constexpr PixelTolerance kRenderTolerance{};

// Where two pictures stand against a tolerance.
struct PixelComparison {
    bool sameSize = false;
    int differing = 0;      // pixels with any difference
    int beyondChannel = 0;  // pixels with a channel beyond the tolerance
    int largest = 0;        // the largest channel difference seen
    int allowedDiffering = 0;

    bool Within() const { return sameSize && beyondChannel == 0 && differing <= allowedDiffering; }
    QString Describe() const;
};

// Compares decoded pixels, never encoded bytes.
PixelComparison ComparePixels(const QImage& actual, const QImage& expected,
                              PixelTolerance tolerance = kRenderTolerance);

}  // namespace kestrum::test
