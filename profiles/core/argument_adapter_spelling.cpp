#include <algorithm>
#include <cctype>

#include "profiles/core/argument_adapter_rules.h"

namespace kestrum::adapter_rules {

namespace {

bool IsDigits(std::string_view text) {
    return !text.empty() &&
           std::ranges::all_of(text, [](unsigned char c) { return std::isdigit(c); });
}

// "192kb", "1.5Mb": the old parser ignored the trailing "b"; today's reads it
// as garbage. "kB" (kilobytes) is a different unit and stays.
void DropBitSuffix(std::string& token) {
    if (token.size() < 3 || token.back() != 'b') {
        return;
    }
    const char scale = token[token.size() - 2];
    if (scale != 'k' && scale != 'K' && scale != 'M' && scale != 'G') {
        return;
    }
    const std::string_view number(token.data(), token.size() - 2);
    const std::size_t dot = number.find('.');
    if (IsDigits(number.substr(0, dot)) &&
        (dot == std::string_view::npos || IsDigits(number.substr(dot + 1)))) {
        token.erase(token.size() - 1);
    }
}

}  // namespace

void ModernizeSpellings(ArgumentTokens& tokens) {
    for (std::size_t at = 0; at < tokens.Size(); ++at) {
        DropBitSuffix(tokens[at]);
    }
    for (std::size_t at = 0; at < tokens.Size(); ++at) {
        std::string& token = tokens[at];
        if (token == "-b") {
            token = "-b:v";
        } else if (token == "-ab") {
            token = "-b:a";
        } else if (token == "-bufsize" && at + 1 < tokens.Size()) {
            // The old unit of a bare -bufsize was kilobits; a value this small
            // in bits would starve the rate control.
            std::string& value = tokens[at + 1];
            if (IsDigits(value) && value.size() <= 5 && std::stoi(value) < 65536) {
                value += "k";
            }
        }
    }
}

}  // namespace kestrum::adapter_rules
