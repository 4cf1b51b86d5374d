#pragma once

// The core's enumerations as Qt property types, so that the skinned
// controls publish them and ApplyStyleToChildren can set them by name.
#include <QMetaType>

#include "skin/core/button_layout.h"
#include "skin/core/ui_style.h"

namespace kestrum {

enum class TlumOrientation { lumHorizontal = 0, lumVertical = 1 };
enum class TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };
enum class TAlignment { taLeftJustify, taRightJustify, taCenter };
enum class TPopupAlignment { paLeft, paRight, paCenter };

}  // namespace kestrum

Q_DECLARE_METATYPE(kestrum::TlumUIStyle)
Q_DECLARE_METATYPE(kestrum::TButtonLayout)
Q_DECLARE_METATYPE(kestrum::TlumArrow)
Q_DECLARE_METATYPE(kestrum::TlumOrientation)
Q_DECLARE_METATYPE(kestrum::TCheckBoxState)
Q_DECLARE_METATYPE(kestrum::TAlignment)
Q_DECLARE_METATYPE(kestrum::TPopupAlignment)
