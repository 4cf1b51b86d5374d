#pragma once

#include <string_view>

#include "skin/core/theme_table.h"

namespace kestrum {

// One value of the table: a bitmap resource name or a number (colour,
// integer or boolean as 0/1), whichever the row's kind says.
struct ThemeTableValue {
    std::string_view name;
    long long number;
};

// One item of the table: its kind and its values for the five built-in
// styles, in the order of TlumUIStyle (MacOS first).
struct ThemeTableRow {
    ThemeItemKind kind;
    ThemeTableValue values[5];
};

// The row of item 1..48, or null.
const ThemeTableRow* FindThemeRow(int item);

}  // namespace kestrum
