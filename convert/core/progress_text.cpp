#include "convert/core/progress_text.h"

#include <cmath>
#include <cstring>
#include <string_view>

#include "app/core/ascii_text.h"

namespace kestrum::progress_text {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Optional leading blanks and sign, then at least one digit; the digits'
// value (capped once it exceeds `limit`) and how many characters were used.
struct Digits {
    bool negative = false;
    std::uint64_t value = 0;
    std::size_t used = 0;
    bool any = false;
};

Digits ReadSignedDigits(std::string_view text, std::size_t from, std::uint64_t limit) {
    Digits d;
    std::size_t i = from;
    if (from == 0) {
        while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) {
            ++i;
        }
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
            d.negative = text[i] == '-';
            ++i;
        }
    }
    while (i < text.size() && IsDigit(text[i])) {
        d.any = true;
        if (d.value <= limit) {
            d.value = d.value * 10 + static_cast<std::uint64_t>(text[i] - '0');
        }
        ++i;
    }
    d.used = i;
    return d;
}

}  // namespace

std::int32_t ReadInteger(std::string_view text) {
    constexpr std::uint64_t kMax = 2147483648ULL;  // magnitude of INT32_MIN
    const Digits d = ReadSignedDigits(text, 0, kMax);
    if (!d.any || d.used != text.size() || d.value > kMax || (!d.negative && d.value == kMax)) {
        return 0;
    }
    return d.negative ? static_cast<std::int32_t>(-static_cast<std::int64_t>(d.value))
                      : static_cast<std::int32_t>(d.value);
}

std::optional<std::int64_t> ReadClockSeconds(std::string_view text) {
    constexpr std::uint64_t kLimit = 1ULL << 40;  // far beyond any real duration
    const Digits hours = ReadSignedDigits(text, 0, kLimit);
    if (!hours.any || hours.used >= text.size() || text[hours.used] != ':') {
        return std::nullopt;
    }
    const Digits minutes = ReadSignedDigits(text, hours.used + 1, kLimit);
    if (!minutes.any || minutes.used >= text.size() || text[minutes.used] != ':') {
        return std::nullopt;
    }
    const Digits seconds = ReadSignedDigits(text, minutes.used + 1, kLimit);
    if (!seconds.any || seconds.used != text.size() || hours.value > kLimit ||
        minutes.value > kLimit || seconds.value > kLimit) {
        return std::nullopt;
    }
    const auto total =
        static_cast<std::int64_t>(hours.value * 3600 + minutes.value * 60 + seconds.value);
    return hours.negative ? -total : total;
}

std::int32_t ReadTwoBefore(std::string_view text, std::size_t at) {
    const std::size_t start = at >= 3 ? at - 3 : 0;  // 1-based at-2, as 0-based
    return ReadInteger(text.substr(start, 2));
}

std::size_t FindKeyword(std::string_view line, std::string_view keyword) {
    const char mark = keyword.back();
    const std::size_t lead = keyword.size() - 1;
    const char* data = line.data();
    std::size_t from = lead;
    while (from < line.size()) {
        const void* hit = std::memchr(data + from, mark, line.size() - from);
        if (hit == nullptr) {
            return std::string_view::npos;
        }
        const auto markAt = static_cast<std::size_t>(static_cast<const char*>(hit) - data);
        const std::size_t start = markAt - lead;
        std::size_t k = 0;
        while (k < lead && LowerAscii(data[start + k]) == keyword[k]) {
            ++k;
        }
        if (k == lead) {
            return start;
        }
        from = markAt + 1;
    }
    return std::string_view::npos;
}

std::int64_t RoundHalfEven(double value) {
    // nearbyint follows the current rounding mode, which is round-to-nearest-even.
    return static_cast<std::int64_t>(std::nearbyint(value));
}

}  // namespace kestrum::progress_text
