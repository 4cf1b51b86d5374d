#pragma once

#include <vector>

#include "skin/gallery/gallery_cases.h"

namespace kestrum::gallery {

// All sections on one labelled sheet, each picture with its name under it.
QImage ContactSheet(const std::vector<Section>& sections);

}  // namespace kestrum::gallery
