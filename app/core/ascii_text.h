#pragma once

#include <string_view>

namespace kestrum {

// Text helpers for 8-bit text where only ASCII letters have a case.

inline char LowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + ('a' - 'A')) : c;
}

// Removes characters of code 32 or below (blanks, tabs, control bytes) from both ends.
std::string_view Trim(std::string_view s);

bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b);

// `prefix` must be written in lower case.
bool StartsWithLowerAscii(std::string_view text, std::string_view prefix);

}  // namespace kestrum
