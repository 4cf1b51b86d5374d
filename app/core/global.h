#pragma once

#include <cstdint>
#include <string>

namespace kestrum {

// "0" in front of numbers below 10: 7 -> "07", 0 -> "00", 125 -> "125", -5 -> "0-5".
std::string TwoDigits(std::int32_t n);

// False when no file exists at path; true when it exists but cannot be opened
// for reading and writing, is read-only, or is locked by another process.
bool IsFileInUse(const std::string& path);

// The per-user folder for programs' settings, with a trailing separator.
std::string GetAppDataFolder();

}  // namespace kestrum
