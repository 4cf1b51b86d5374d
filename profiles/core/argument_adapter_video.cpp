#include <array>
#include <charconv>

#include "profiles/core/argument_adapter_rules.h"

namespace kestrum::adapter_rules {

namespace {

bool IsInteger(std::string_view text) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size();
}

// A bare -trellis meant "on"; today it takes a level, for the video encoder.
void Trellis(ArgumentTokens& tokens) {
    for (auto at = tokens.Find({"-trellis"}); at; at = tokens.Find({"-trellis"}, *at)) {
        tokens[*at] = "-trellis:v";
        if (!tokens.ValueAt(*at) || !IsInteger(tokens[*at + 1])) {
            tokens.Insert(*at + 1, {"1"});
        }
    }
}

// -mv0 (always try the zero motion vector) became a flag of the MPEG video
// encoders; others never knew it.
void ZeroMotionVectors(ArgumentTokens& tokens, const OutputDescription& output) {
    const auto first = tokens.EraseOptions({"-mv0"});
    if (first && IsMpegVideoEncoder(output.videoEncoder)) {
        AddMpegVideoFlag(tokens, "mv0", *first);
    }
}

// The MPEG video encoders kept three of the old search methods.
std::string MpegMotionEstimation(std::string_view method) {
    if (method == "zero") {
        return "zero";
    }
    if (method == "x1") {
        return "xone";
    }
    return "epzs";
}

// libx264 names its search methods itself; the old wrapper mapped these.
std::string X264MotionEstimation(std::string_view method) {
    constexpr std::array kMethods = {
        Pair{"dia", "dia"},  Pair{"epzs", "dia"}, Pair{"hex", "hex"},   Pair{"umh", "umh"},
        Pair{"full", "esa"}, Pair{"esa", "esa"},  Pair{"tesa", "tesa"},
    };
    return std::string(LookUp(kMethods, method));
}

void MotionEstimation(ArgumentTokens& tokens, const OutputDescription& output) {
    const auto method = tokens.LastValue({"-me_method"});
    const auto at = tokens.EraseOptionsWithValue({"-me_method"});
    if (!at || !method) {
        return;
    }
    if (output.videoEncoder == "libx264") {
        if (const std::string modern = X264MotionEstimation(*method); !modern.empty()) {
            tokens.Insert(*at, {"-motion-est", modern});
        }
    } else if (IsMpegVideoEncoder(output.videoEncoder)) {
        tokens.Insert(*at, {"-motion_est", MpegMotionEstimation(*method)});
    }
}

// Only libx264 still knows -level; on MPEG-4 it would write a wrong
// profile/level, and audio encoders must not see it.
void Level(ArgumentTokens& tokens, const OutputDescription& output) {
    if (output.videoEncoder == "libx264") {
        for (auto at = tokens.Find({"-level"}); at; at = tokens.Find({"-level"}, *at)) {
            tokens[*at] = "-level:v";
        }
    } else {
        tokens.EraseOptionsWithValue({"-level"});
    }
}

}  // namespace

void AdaptVideoOptions(ArgumentTokens& tokens, const OutputDescription& output) {
    AdaptCodecFlags(tokens, output);
    Trellis(tokens);
    ZeroMotionVectors(tokens, output);
    MotionEstimation(tokens, output);
    Level(tokens, output);
    // Today's ISO media muxers refuse a FourCC tag they do not know.
    if (IsIsoMediaFormat(output.format)) {
        tokens.EraseOptionsWithValue({"-vtag", "-tag:v"});
    }
}

}  // namespace kestrum::adapter_rules
