#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace kestrum {

// The look a skinned control takes: one of the five built-in styles, or the
// skin file its FileTheme points to.
enum class TlumUIStyle : std::uint8_t {
    FromThemeFile = 0,
    MacOS = 1,
    WinXP = 2,
    DeepBlue = 3,
    Protein = 4,
    BlueGlass = 5,
};

inline constexpr TlumUIStyle kAllUIStyles[] = {
    TlumUIStyle::FromThemeFile, TlumUIStyle::MacOS,   TlumUIStyle::WinXP,
    TlumUIStyle::DeepBlue,      TlumUIStyle::Protein, TlumUIStyle::BlueGlass,
};

// "MacOS", "WinXP", ...; "FromThemeFile" for the file theme; empty when unknown.
std::string_view UIStyleName(TlumUIStyle style);
std::optional<TlumUIStyle> UIStyleFromName(std::string_view name);

// A colour as 0x00BBGGRR (red in the low byte). A value whose high byte is
// 0xFF names a system colour by the index in its low byte.
using TColor = std::uint32_t;

inline constexpr TColor kClBlack = 0x000000;
inline constexpr TColor kClWhite = 0xFFFFFF;
inline constexpr TColor kClGray = 0x808080;
inline constexpr TColor kClMenuText = 0xFF000007;
inline constexpr TColor kClWindowText = 0xFF000008;
inline constexpr TColor kClHighlight = 0xFF00000D;
inline constexpr TColor kClBtnFace = 0xFF00000F;
inline constexpr TColor kClBtnShadow = 0xFF000010;
inline constexpr TColor kClBtnHighlight = 0xFF000014;

constexpr bool IsSystemColor(TColor color) {
    return (color >> 24) == 0xFF;
}
constexpr int SystemColorIndex(TColor color) {
    return static_cast<int>(color & 0xFF);
}
constexpr int RedOf(TColor color) {
    return static_cast<int>(color & 0xFF);
}
constexpr int GreenOf(TColor color) {
    return static_cast<int>((color >> 8) & 0xFF);
}
constexpr int BlueOf(TColor color) {
    return static_cast<int>((color >> 16) & 0xFF);
}
constexpr TColor MakeColor(int red, int green, int blue) {
    return static_cast<TColor>(red) | (static_cast<TColor>(green) << 8) |
           (static_cast<TColor>(blue) << 16);
}

}  // namespace kestrum
