#pragma once

#include <string>

namespace kestrum::platform {

// False when no file exists at path. True when the file cannot be opened for
// reading and writing, is marked read-only, or another process holds a lock on it.
bool IsFileInUse(const std::string& path);

}  // namespace kestrum::platform
