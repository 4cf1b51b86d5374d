// The built-in theme table: item number -> kind and one value per style
// (MacOS, WinXP, DeepBlue, Protein, BlueGlass). Colours are $BBGGRR.
#include "skin/core/theme_table_data.h"

namespace kestrum {
namespace {

using K = ThemeItemKind;

constexpr ThemeTableRow N(int a, int b, int c, int d, int e) {
    return {K::Integer, {{{}, a}, {{}, b}, {{}, c}, {{}, d}, {{}, e}}};
}
constexpr ThemeTableRow C(long long a, long long b, long long c, long long d, long long e) {
    return {K::Color, {{{}, a}, {{}, b}, {{}, c}, {{}, d}, {{}, e}}};
}
constexpr ThemeTableRow B(bool a, bool b, bool c, bool d, bool e) {
    return {K::Boolean, {{{}, a}, {{}, b}, {{}, c}, {{}, d}, {{}, e}}};
}
constexpr ThemeTableRow P(std::string_view a, std::string_view b, std::string_view c,
                          std::string_view d, std::string_view e) {
    return {K::Bitmap, {{a, 0}, {b, 0}, {c, 0}, {d, 0}, {e, 0}}};
}

constexpr ThemeTableRow kRows[kThemeItemCount] = {
    /* 1 */ P("MACOS_BUTTON", "WINXP_BUTTON", "DEEPBLUE_BUTTON", "PROTEIN_BUTTON",
              "BLUEGLASS_BUTTON"),
    /* 2 */ B(true, false, false, false, true),
    /* 3 */
    P("MACOS_CHECKBOX", "WINXP_CHECKBOX", "DEEPBLUE_CHECKBOX", "PROTEIN_CHECKBOX",
      "BLUEGLASS_CHECKBOX"),
    /* 4 */
    P("MACOS_RADIOBUTTON", "WINXP_RADIOBUTTON", "DEEPBLUE_RADIOBUTTON", "PROTEIN_RADIOBUTTON",
      "BLUEGLASS_RADIOBUTTON"),
    /* 5 */
    P("MACOS_TITLEBTN", "WINXP_TITLEBTN", "DEEPBLUE_TITLEBTN", "PROTEIN_TITLEBTN",
      "BLUEGLASS_TITLEBTN"),
    /* 6 */ B(false, false, false, true, true),
    /* 7 */ N(3, 2, 0, 0, 4),
    /* 8 */ N(-2, -2, 0, 0, -3),
    /* 9 */ N(4, 5, 2, 2, 6),
    /* 10 */
    P("MACOS_TITLE_LEFT", "WINXP_TITLE_LEFT", "DEEPBLUE_TITLE_LEFT", "PROTEIN_TITLE_LEFT",
      "BLUEGLASS_TITLE_LEFT"),
    /* 11 */
    P("MACOS_TITLE_CLIENT", "WINXP_TITLE_CLIENT", "DEEPBLUE_TITLE_CLIENT", "PROTEIN_TITLE_CLIENT",
      "BLUEGLASS_TITLE_CLIENT"),
    /* 12 */
    P("MACOS_TITLE_RIGHT", "WINXP_TITLE_RIGHT", "DEEPBLUE_TITLE_RIGHT", "PROTEIN_TITLE_RIGHT",
      "BLUEGLASS_TITLE_RIGHT"),
    /* 13 */ N(130, 150, 130, 130, 270),
    /* 14 */ N(0, 13, 0, 0, 11),
    /* 15 */ C(0xE7E7E7, 0xDEEBEF, 0xE8E8E8, 0xFBFBFB, 0xE7E7E7),
    /* 16 */ C(0x7F7F7F, 0xC82C00, 0x000000, 0x000000, 0x000000),
    /* 17 */ N(1, 3, 1, 1, 1),
    /* 18 */ C(0xC47339, 0xC66931, 0xA04A44, 0xC4302D, 0xEC5E5E),
    /* 19 */ C(0xC47339, 0xEFD3C6, 0xA04A44, 0xC4302D, 0xEC5E5E),
    /* 20 */ C(0xFFFFFF, 0x000000, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF),
    /* 21 */ C(0x000000, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xE7E7E7),
    /* 22 */ C(0x000000, 0x000000, 0x000000, 0x000000, 0x000000),
    /* 23 */ C(0x000000, 0xCED3D6, 0xCED3D6, 0xCED3D6, 0xCED3D6),
    /* 24 */
    P("MACOS_PROGRESSBAR", "WINXP_PROGRESSBAR", "DEEPBLUE_PROGRESSBAR", "PROTEIN_PROGRESSBAR",
      "BLUEGLASS_PROGRESSBAR"),
    /* 25 */ C(0x7F7F7F, 0x686868, 0x000000, 0x000000, 0x000000),
    /* 26 */ C(0xE7E7E7, 0xDEEBEF, 0xE8E8E8, 0xFBFBFB, 0xE7E7E7),
    /* 27 */ C(0x000000, 0xCF4602, 0x000000, 0x000000, 0x000000),
    /* 28 */
    P("MACOS_TRACKBAR_BAR", "WINXP_TRACKBAR_BAR", "DEEPBLUE_TRACKBAR_BAR", "PROTEIN_TRACKBAR_BAR",
      "BLUEGLASS_TRACKBAR_BAR"),
    /* 29 */
    P("MACOS_TRACKBAR_SLIDER", "WINXP_TRACKBAR_SLIDER", "DEEPBLUE_TRACKBAR_SLIDER",
      "PROTEIN_TRACKBAR_SLIDER", "BLUEGLASS_TRACKBAR_SLIDER"),
    /* 30 */
    P("MACOS_TRACKBAR_SLIDER_V", "WINXP_TRACKBAR_SLIDER_V", "DEEPBLUE_TRACKBAR_SLIDER_V",
      "PROTEIN_TRACKBAR_SLIDER_V", "BLUEGLASS_TRACKBAR_SLIDER_V"),
    /* 31 */ C(0xC9C9C9, 0xF9F9F9, 0xF5F5F5, 0xF5F5F5, 0xF4F4F4),
    /* 32 */
    P("MACOS_SCROLLBAR_BUTTON", "WINXP_SCROLLBAR_BUTTON", "DEEPBLUE_SCROLLBAR_BUTTON",
      "PROTEIN_SCROLLBAR_BUTTON", "BLUEGLASS_SCROLLBAR_BUTTON"),
    /* 33 */
    P("MACOS_SCROLLBAR_TRACK", "WINXP_SCROLLBAR_TRACK", "DEEPBLUE_SCROLLBAR_TRACK",
      "PROTEIN_SCROLLBAR_TRACK", "BLUEGLASS_SCROLLBAR_TRACK"),
    /* 34 */
    P("MACOS_CHECKLIST", "WINXP_CHECKLIST", "DEEPBLUE_CHECKLIST", "PROTEIN_CHECKLIST",
      "BLUEGLASS_CHECKLIST"),
    /* 35 */ C(0x474747, 0xC66931, 0x474747, 0x474747, 0x474747),
    /* 36 */ C(0xEFEFEF, 0xEFD3C6, 0xEFEFEF, 0xEFEFEF, 0xEFEFEF),
    /* 37 */ C(0xD8D8D8, 0xE1AC93, 0xD8D8D8, 0xD8D8D8, 0xD8D8D8),
    /* 38 */
    P("MACOS_SCROLLBUTTON", "WINXP_SCROLLBUTTON", "MORE_SCROLLBUTTON", "MORE_SCROLLBUTTON",
      "MORE_SCROLLBUTTON"),
    /* 39 */ P("MACOS_TAB", "WINXP_TAB", "DEEPBLUE_TAB", "PROTEIN_TAB", "BLUEGLASS_TAB"),
    /* 40 */
    P("MACOS_TAB_LINE", "WINXP_TAB_LINE", "DEEPBLUE_TAB_LINE", "PROTEIN_TAB_LINE",
      "BLUEGLASS_TAB_LINE"),
    /* 41 */
    P("MACOS_SIDECHENNEL_HANDLE", "WINXP_SIDECHENNEL_HANDLE", "DEEPBLUE_SIDECHENNEL_HANDLE",
      "PROTEIN_SIDECHENNEL_HANDLE", "BLUEGLASS_SIDECHENNEL_HANDLE"),
    /* 42 */
    P("MACOS_SIDECHENNEL_BAR", "WINXP_SIDECHENNEL_BAR", "DEEPBLUE_SIDECHENNEL_BAR",
      "PROTEIN_SIDECHENNEL_BAR", "BLUEGLASS_SIDECHENNEL_BAR"),
    /* 43 */ P("", "", "", "", ""),
    /* 44 */ C(0x000000, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF),
    /* 45 */ P("", "", "", "", ""),
    /* 46 */ P("", "", "", "", ""),
    /* 47 */ N(0, 0, 0, 0, 0),
    /* 48 */ C(0xE7E7E7, 0xDEEBEF, 0xE8E8E8, 0xFBFBFB, 0xE7E7E7),
};

}  // namespace

const ThemeTableRow* FindThemeRow(int item) {
    if (item < 1 || item > kThemeItemCount) {
        return nullptr;
    }
    return &kRows[item - 1];
}

}  // namespace kestrum
