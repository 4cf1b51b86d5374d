#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace kestrum::progress_text {

// An integer written with optional leading blanks, an optional sign and
// decimal digits, nothing after them, within 32 bits; anything else is 0.
std::int32_t ReadInteger(std::string_view text);

// A position written "hours:minutes:seconds" (current encoders do this),
// as whole seconds; nothing when the text is not in that form.
std::optional<std::int64_t> ReadClockSeconds(std::string_view text);

// The integer in the two characters before 1-based position `at` of `text`;
// from the first two characters when `at` is 1 or 2.
std::int32_t ReadTwoBefore(std::string_view text, std::size_t at);

// The first occurrence of `keyword` (lower case) in `line`, ASCII letters
// compared without case; npos when absent. The keyword ends with its
// punctuation (":" or "="), which is searched first as it is rarer.
std::size_t FindKeyword(std::string_view line, std::string_view keyword);

// Round to nearest, halves to even.
std::int64_t RoundHalfEven(double value);

}  // namespace kestrum::progress_text
