#pragma once

#include <QColor>

#include "skin/core/ui_style.h"

namespace kestrum {

// A $BBGGRR colour as Qt draws it. System colours ($FF0000nn) come from the
// application palette: button face, highlight, window text, button highlight
// and shadow, menu text and the few others the controls can meet.
QColor ToQColor(TColor color);

}  // namespace kestrum
