#include "skin/core/theme_table.h"

#include "skin/core/theme_table_data.h"

namespace kestrum {
namespace {

// The row of item when it has the wanted kind and the style is built in.
const ThemeTableValue* FindValue(TlumUIStyle style, int item, ThemeItemKind kind) {
    const auto index = static_cast<int>(style);
    if (index < static_cast<int>(TlumUIStyle::MacOS) ||
        index > static_cast<int>(TlumUIStyle::BlueGlass)) {
        return nullptr;
    }
    const ThemeTableRow* row = FindThemeRow(item);
    if (row == nullptr || row->kind != kind) {
        return nullptr;
    }
    return &row->values[index - 1];
}

}  // namespace

ThemeItemKind GetThemeItemKind(int item) {
    const ThemeTableRow* row = FindThemeRow(item);
    return row != nullptr ? row->kind : ThemeItemKind::Integer;
}

std::string_view GetThemeBitmapName(TlumUIStyle style, int item) {
    const ThemeTableValue* value = FindValue(style, item, ThemeItemKind::Bitmap);
    return value != nullptr ? value->name : std::string_view{};
}

TColor GetThemeColor(TlumUIStyle style, int item) {
    const ThemeTableValue* value = FindValue(style, item, ThemeItemKind::Color);
    return value != nullptr ? static_cast<TColor>(value->number) : 0;
}

bool GetThemeBool(TlumUIStyle style, int item) {
    const ThemeTableValue* value = FindValue(style, item, ThemeItemKind::Boolean);
    return value != nullptr && value->number != 0;
}

int GetThemeInt(TlumUIStyle style, int item) {
    const ThemeTableValue* value = FindValue(style, item, ThemeItemKind::Integer);
    return value != nullptr ? static_cast<int>(value->number) : -1;
}

TlumUIStyle GetDefaultStyle() {
    return TlumUIStyle::DeepBlue;
}

ResolvedStyle ResolveStyle(bool fileThemeReady, TlumUIStyle style) {
    if (style != TlumUIStyle::FromThemeFile) {
        return {false, style};
    }
    return {fileThemeReady, TlumUIStyle::DeepBlue};
}

}  // namespace kestrum
