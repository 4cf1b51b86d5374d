#include "image_compare.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace kestrum::test {
namespace {

int LargestChannelDifference(QRgb a, QRgb b) {
    return std::max({std::abs(qAlpha(a) - qAlpha(b)), std::abs(qRed(a) - qRed(b)),
                     std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b))});
}

}  // namespace

QString PixelComparison::Describe() const {
    if (!sameSize) {
        return "the sizes differ";
    }
    return QString(
               "%1 pixels differ (at most %2 may), %3 by more than the tolerance; largest "
               "channel difference %4")
        .arg(differing)
        .arg(allowedDiffering)
        .arg(beyondChannel)
        .arg(largest);
}

PixelComparison ComparePixels(const QImage& actual, const QImage& expected,
                              PixelTolerance tolerance) {
    PixelComparison result;
    result.sameSize = actual.size() == expected.size() && !actual.isNull();
    if (!result.sameSize) {
        return result;
    }
    // Premultiplied, so that a nearly transparent pixel cannot swing its colour.
    const QImage a = actual.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QImage b = expected.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    result.allowedDiffering =
        static_cast<int>(std::floor(tolerance.differingShare * a.width() * a.height()));
    for (int y = 0; y < a.height(); ++y) {
        const auto* rowA = reinterpret_cast<const QRgb*>(a.constScanLine(y));
        const auto* rowB = reinterpret_cast<const QRgb*>(b.constScanLine(y));
        for (int x = 0; x < a.width(); ++x) {
            const int difference = LargestChannelDifference(rowA[x], rowB[x]);
            result.largest = std::max(result.largest, difference);
            result.differing += difference > 0 ? 1 : 0;
            result.beyondChannel += difference > tolerance.channel ? 1 : 0;
        }
    }
    return result;
}

}  // namespace kestrum::test
