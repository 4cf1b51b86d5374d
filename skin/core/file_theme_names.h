#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "skin/core/skin_file_format.h"

namespace kestrum {

// The entry names a file theme answers for, by position. Lookups are numbered
// within their group: colour n is position n, bitmap n position 32 + n,
// position value n position 66 + n, boolean n position 75 + n.
inline constexpr int kFileThemeFirstBitmap = 32;
inline constexpr int kFileThemeFirstPosition = 66;
inline constexpr int kFileThemeFirstBoolean = 75;
inline constexpr int kFileThemeEntryCount = 84;

extern const std::array<std::string_view, kFileThemeEntryCount> kFileThemeEntryNames;

// The name at a position; empty outside the table.
std::string_view FileThemeEntryName(int position);

// The position of a name (compared without regard to case);
// kFileThemeEntryCount for a name outside the table.
int FileThemeEntryPosition(std::string_view name);

// The kind of data the table expects under a name (compared without regard
// to case); nothing for a name outside the table.
std::optional<skinfile::Sk2Kind> FileThemeEntryKind(std::string_view name);

}  // namespace kestrum
