#include "profiles/core/argument_adapter_flag_terms.h"

#include <algorithm>

namespace kestrum::adapter_rules {

namespace {

bool Applies(const MovedFlag& moved, const OutputDescription& output) {
    if (moved.encoders == "*") {
        return true;
    }
    if (moved.encoders == "mpegvideo") {
        return IsMpegVideoEncoder(output.videoEncoder);
    }
    for (std::size_t at = 0; at < moved.encoders.size();) {
        const std::size_t end = std::min(moved.encoders.find(' ', at), moved.encoders.size());
        const std::string_view name = moved.encoders.substr(at, end - at);
        if (name == output.videoEncoder || name == output.audioEncoder) {
            return true;
        }
        at = end + 1;
    }
    return false;
}

}  // namespace

std::vector<FlagTerm> SplitFlags(std::string_view value) {
    std::vector<FlagTerm> terms;
    std::size_t at = 0;
    while (at < value.size()) {
        FlagTerm term;
        if (value[at] == '+' || value[at] == '-') {
            term.sign = value[at++];
        }
        const std::size_t end = value.find_first_of("+-", at);
        term.name = value.substr(at, end == std::string_view::npos ? end : end - at);
        at = end == std::string_view::npos ? value.size() : end;
        terms.push_back(std::move(term));
    }
    return terms;
}

std::string JoinFlags(const std::vector<FlagTerm>& terms) {
    std::string value;
    for (const FlagTerm& term : terms) {
        value += (term.sign != 0 ? std::string(1, term.sign) : "") + term.name;
    }
    return value;
}

const MovedFlag* FindMoved(std::span<const MovedFlag> table, std::string_view flag) {
    for (const MovedFlag& row : table) {
        if (row.flag == flag) {
            return &row;
        }
    }
    return nullptr;
}

void MoveFlags(ArgumentTokens& tokens, std::vector<FlagTerm>& terms,
               std::span<const MovedFlag> table, const OutputDescription& output, std::size_t at) {
    std::vector<std::string> options;
    std::vector<std::string_view> mpegFlags;
    std::erase_if(terms, [&](const FlagTerm& term) {
        const MovedFlag* moved = FindMoved(table, term.name);
        if (moved == nullptr || !Applies(*moved, output)) {
            return moved != nullptr;
        }
        if (moved->option.empty()) {
            if (term.sign != '-') {
                mpegFlags.push_back(moved->on);
            }
        } else if (!tokens.Has({moved->option})) {
            options.emplace_back(moved->option);
            options.emplace_back(term.sign == '-' ? moved->off : moved->on);
        }
        return true;
    });
    tokens.Insert(at, options);
    for (const std::string_view flag : mpegFlags) {
        AddMpegVideoFlag(tokens, flag, at);
    }
}

void AddMpegVideoFlag(ArgumentTokens& tokens, std::string_view flag, std::size_t at) {
    if (const auto flags = tokens.Find({"-mpv_flags", "-mpv_flags:v"})) {
        if (const auto valueAt = tokens.ValueAt(*flags);
            valueAt && tokens[*valueAt].find(flag) == std::string::npos) {
            tokens[*valueAt] += "+" + std::string(flag);
        }
        return;
    }
    tokens.Insert(at, {"-mpv_flags:v", "+" + std::string(flag)});
}

}  // namespace kestrum::adapter_rules
