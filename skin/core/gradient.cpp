#include "skin/core/gradient.h"

namespace kestrum {
namespace {

int Blend(int from, int to, int width, int x) {
    return static_cast<int>(from + static_cast<double>(to - from) / width * x);
}

}  // namespace

std::vector<TColor> GradientColumnsH(TColor from, TColor to, int width) {
    std::vector<TColor> columns;
    if (width <= 0) {
        return columns;
    }
    columns.reserve(static_cast<std::size_t>(width));
    for (int x = 0; x < width; ++x) {
        columns.push_back(MakeColor(Blend(RedOf(from), RedOf(to), width, x),
                                    Blend(GreenOf(from), GreenOf(to), width, x),
                                    Blend(BlueOf(from), BlueOf(to), width, x)));
    }
    columns.front() = from;
    columns.back() = to;
    return columns;
}

}  // namespace kestrum
