#include "skin/core/ui_style.h"

namespace kestrum {
namespace {

constexpr std::string_view kNames[] = {"FromThemeFile", "MacOS",   "WinXP",
                                       "DeepBlue",      "Protein", "BlueGlass"};

}  // namespace

std::string_view UIStyleName(TlumUIStyle style) {
    const auto index = static_cast<std::size_t>(style);
    return index < std::size(kNames) ? kNames[index] : std::string_view{};
}

std::optional<TlumUIStyle> UIStyleFromName(std::string_view name) {
    for (TlumUIStyle style : kAllUIStyles) {
        if (UIStyleName(style) == name) {
            return style;
        }
    }
    return std::nullopt;
}

}  // namespace kestrum
