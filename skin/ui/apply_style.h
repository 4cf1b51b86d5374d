#pragma once

#include <QWidget>

#include "skin/core/ui_style.h"
#include "skin/ui/theme_source.h"

namespace kestrum {

// Gives every direct child of `container` that publishes both FileTheme and
// UIStyle the file theme first and then the style.
void ApplyStyleToChildren(QWidget& container, TlumUIStyle style, TlumThemeSource* theme);

}  // namespace kestrum
