#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "profiles/core/argument_adapter_rules.h"

// The terms of -flags and -flags2 values, shared by the rules of both.
namespace kestrum::adapter_rules {

// One term of a flags value: "+name", "-name", or a bare first name that
// replaces the flags before it.
struct FlagTerm {
    char sign = 0;
    std::string name;
};

std::vector<FlagTerm> SplitFlags(std::string_view value);

std::string JoinFlags(const std::vector<FlagTerm>& terms);

// A term of -flags or -flags2 that today is an option of the encoders that
// knew it (`option` with `on` or, for a "-" term, `off`), or an -mpv_flags
// flag when `option` is empty. `encoders` names them, "mpegvideo" standing
// for the MPEG video family and "*" for any video encoder. Elsewhere the
// term had no effect and goes.
struct MovedFlag {
    std::string_view flag, encoders, option, on, off;
};

const MovedFlag* FindMoved(std::span<const MovedFlag> table, std::string_view flag);

// Takes the moved terms out of `terms` and gives them to their options,
// which go in at `at`.
void MoveFlags(ArgumentTokens& tokens, std::vector<FlagTerm>& terms,
               std::span<const MovedFlag> table, const OutputDescription& output, std::size_t at);

// -flags2 terms that are gone move to their encoders' options.
void MoveGoneFlags2(ArgumentTokens& tokens, const OutputDescription& output);

}  // namespace kestrum::adapter_rules
