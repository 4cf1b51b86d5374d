#pragma once

#include <string_view>

#include "skin/core/ui_style.h"

namespace kestrum {

// What an item of the built-in theme table holds; the same for every style.
enum class ThemeItemKind { Integer = 0, Color = 1, Bitmap = 2, Boolean = 3 };

// Items of the table that the controls consult (numbered 1 to 48).
namespace theme_item {
inline constexpr int kButton = 1;
inline constexpr int kButtonTransparent = 2;
inline constexpr int kCheckBox = 3;
inline constexpr int kFormColor = 15;
inline constexpr int kMenuSelectedBorderColor = 18;
inline constexpr int kMenuSelectedColor = 19;
inline constexpr int kMenuSelectedFontColor = 20;
inline constexpr int kMenuColor = 21;
inline constexpr int kMenuFontColor = 22;
inline constexpr int kMenuBarColor = 23;
inline constexpr int kProgressBar = 24;
inline constexpr int kControlBorderColor = 25;
inline constexpr int kProgressBarColor = 26;
}  // namespace theme_item

inline constexpr int kThemeItemCount = 48;

// The kind of an item; Integer for numbers outside 1..48 (they hold nothing).
ThemeItemKind GetThemeItemKind(int item);

// The bitmap resource name of a bitmap item ("WINXP_BUTTON", "MORE_SCROLLBUTTON");
// empty for FromThemeFile, an unknown style, another kind or an empty entry.
std::string_view GetThemeBitmapName(TlumUIStyle style, int item);

// The value of a colour item, else 0.
TColor GetThemeColor(TlumUIStyle style, int item);
// The value of a boolean item, else false.
bool GetThemeBool(TlumUIStyle style, int item);
// The value of an integer item, else -1 (also for FromThemeFile or an unknown style).
int GetThemeInt(TlumUIStyle style, int item);

// The style a newly created skinned control takes. Our windows hold no form
// decorator that could lend its own, so this is always DeepBlue.
TlumUIStyle GetDefaultStyle();

// How a control draws: from its file theme, or from a built-in style.
struct ResolvedStyle {
    bool useFileTheme;
    TlumUIStyle builtIn;  // DeepBlue while the file theme is used or missing
};

// A built-in style is used as it is; FromThemeFile uses the file theme when
// one is assigned and ready and otherwise draws as DeepBlue.
ResolvedStyle ResolveStyle(bool fileThemeReady, TlumUIStyle style);

}  // namespace kestrum
