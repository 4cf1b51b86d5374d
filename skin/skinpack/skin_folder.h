#pragma once

#include <string>
#include <vector>

#include "skin/core/skin_file_sk2.h"

namespace kestrum::skinpack {

// The entries a skin folder describes, or why it cannot be packed.
struct FolderContent {
    std::vector<skinfile::Sk2Record> records;
    std::string error;
};

// Reads a skin maker's folder: every NAME.bmp file becomes bitmap NAME, and
// the folder's one text file (*.txt) holds NAME=VALUE lines. A line's kind
// follows the file theme's table: its colour and position names take
// integers, its boolean names take booleans, every other name a string.
// Records come out in a fixed order: table names first, in table order.
FolderContent ReadSkinFolder(const std::string& folder);

}  // namespace kestrum::skinpack
