#include "profiles/core/argument_adapter_tokens.h"

#include <algorithm>
#include <charconv>

#include "platform/quote_command_line.h"

namespace kestrum {

std::optional<std::size_t> ArgumentTokens::Find(OptionNames names, std::size_t from) const {
    for (std::size_t at = from; at < tokens_.size(); ++at) {
        if (std::find(names.begin(), names.end(), tokens_[at]) != names.end()) {
            return at;
        }
    }
    return std::nullopt;
}

std::optional<std::size_t> ArgumentTokens::FindLast(OptionNames names) const {
    std::optional<std::size_t> last;
    for (auto at = Find(names); at; at = Find(names, *at + 1)) {
        last = at;
    }
    return last;
}

std::optional<std::string> ArgumentTokens::LastValue(OptionNames names) const {
    std::optional<std::string> value;
    for (auto at = Find(names); at; at = Find(names, *at + 1)) {
        if (const auto valueAt = ValueAt(*at)) {
            value = tokens_[*valueAt];
        }
    }
    return value;
}

std::optional<std::size_t> ArgumentTokens::ValueAt(std::size_t option) const {
    if (option + 1 < tokens_.size()) {
        return option + 1;
    }
    return std::nullopt;
}

void ArgumentTokens::Erase(std::size_t at, std::size_t count) {
    const auto first = tokens_.begin() + static_cast<std::ptrdiff_t>(at);
    tokens_.erase(first, first + static_cast<std::ptrdiff_t>(std::min(count, tokens_.size() - at)));
}

void ArgumentTokens::Insert(std::size_t at, std::vector<std::string> tokens) {
    tokens_.insert(tokens_.begin() + static_cast<std::ptrdiff_t>(std::min(at, tokens_.size())),
                   std::make_move_iterator(tokens.begin()), std::make_move_iterator(tokens.end()));
}

std::optional<std::size_t> ArgumentTokens::EraseOptionsWithValue(OptionNames names) {
    const std::optional<std::size_t> first = Find(names);
    for (auto at = first; at; at = Find(names, *at)) {
        Erase(*at, 2);
    }
    return first;
}

std::optional<std::size_t> ArgumentTokens::EraseOptions(OptionNames names) {
    const std::optional<std::size_t> first = Find(names);
    for (auto at = first; at; at = Find(names, *at)) {
        Erase(*at);
    }
    return first;
}

std::string JoinArgumentsLikeCrt(const std::vector<std::string>& tokens) {
    return tokens.empty() ? std::string() : platform::QuoteCommandLine(tokens) + ' ';
}

std::optional<double> ParseScaledNumber(std::string_view text) {
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end == text.data()) {
        return std::nullopt;
    }
    const std::string_view suffix(end, static_cast<std::size_t>(text.data() + text.size() - end));
    if (suffix.empty()) {
        return value;
    }
    if (suffix == "k" || suffix == "K") {
        return value * 1e3;
    }
    if (suffix == "M") {
        return value * 1e6;
    }
    if (suffix == "G") {
        return value * 1e9;
    }
    return std::nullopt;
}

std::string FormatNumber(double value) {
    // to_chars, unlike printf, ignores the locale the windows may have set.
    char buffer[32];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 6);
    return std::string(buffer, result.ptr);
}

}  // namespace kestrum
