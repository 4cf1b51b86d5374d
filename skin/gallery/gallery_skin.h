#pragma once

#include <QStringList>
#include <memory>

#include "skin/core/ui_style.h"
#include "skin/ui/file_theme.h"

namespace kestrum::gallery {

// The skin named by `--skin FILE [--password P]` in `arguments`, loaded; null
// without --skin. A skin that is given but cannot be loaded sets `error`.
std::unique_ptr<TlumFileTheme> LoadSkinOption(const QStringList& arguments, QString* error);

// The skin the FromThemeFile cases draw with; without one they draw as DeepBlue.
void UseSkin(TlumThemeSource* skin);
TlumThemeSource* Skin();

// Gives `control` the gallery's skin as its FileTheme, then `style`.
template <class Control>
void SetStyle(Control& control, TlumUIStyle style) {
    control.SetFileTheme(Skin());
    control.SetUIStyle(style);
}

}  // namespace kestrum::gallery
