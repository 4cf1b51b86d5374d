#pragma once

#include <string>
#include <string_view>

#include "skin/skinpack/skin_folder.h"

namespace kestrum::skinpack {

// Why a name cannot name an entry (empty, or too long for a record); "" when it can.
std::string EntryNameError(const std::string& name);

// The records of a values text of NAME=VALUE lines; `source` names it in
// error messages. A line's kind follows the file theme's table: its colour
// and position names take integers, its boolean names booleans, every other
// name a string, kept exactly as written after "=".
FolderContent ParseValues(std::string_view text, const std::string& source);

}  // namespace kestrum::skinpack
