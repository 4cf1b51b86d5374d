#pragma once

#include <string_view>

namespace kestrum::platform {

// The characters that end a folder part in a path, and the one we append to
// a folder name. Output naming and every "folder part of a path" split use
// these, so a Windows build only has to change them here.
#ifdef _WIN32
inline constexpr std::string_view kPathSeparators = "\\:";
inline constexpr char kPreferredSeparator = '\\';
#else
inline constexpr std::string_view kPathSeparators = "/";
inline constexpr char kPreferredSeparator = '/';
#endif

inline bool IsPathSeparator(char c) {
    return kPathSeparators.find(c) != std::string_view::npos;
}

}  // namespace kestrum::platform
