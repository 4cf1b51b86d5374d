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

// -croptop/-cropbottom/-cropleft/-cropright became the crop filter; it goes
// first in the chain, before the scaling that -s adds at its end.
void CropFilter(ArgumentTokens& tokens) {
    const auto side = [&](std::string_view name) { return tokens.LastValue({name}).value_or("0"); };
    const std::string top = side("-croptop"), bottom = side("-cropbottom");
    const std::string left = side("-cropleft"), right = side("-cropright");
    const auto at =
        tokens.EraseOptionsWithValue({"-croptop", "-cropbottom", "-cropleft", "-cropright"});
    if (!at) {
        return;
    }
    PrependFilter(
        tokens, kVideoFilterOptions, "-vf",
        "crop=iw-" + left + "-" + right + ":ih-" + top + "-" + bottom + ":" + left + ":" + top,
        *at);
}

// Every -flags value, merged into one video-only -flags with today's names;
// the old bare -aic became a flag of the encoders that know it.
void CodecFlags(ArgumentTokens& tokens, const OutputDescription& output) {
    const auto first = tokens.Find({"-flags", "-flags:v", "-aic"});
    if (!first) {
        return;
    }
    std::string flags;
    bool advancedIntra = false;
    while (const auto at = tokens.Find({"-flags", "-flags:v", "-aic"})) {
        if (tokens[*at] == "-aic") {
            advancedIntra = true;
            tokens.Erase(*at);
            continue;
        }
        if (const auto valueAt = tokens.ValueAt(*at)) {
            // "+x" and "-x" change the flags so far; a bare value replaces them.
            const std::string& value = tokens[*valueAt];
            flags = value.starts_with('+') || value.starts_with('-') ? flags + value : value;
        }
        tokens.Erase(*at, 2);
    }
    for (std::size_t found = flags.find("4mv"); found != std::string::npos;
         found = flags.find("4mv", found)) {
        flags.replace(found, 3, "mv4");
    }
    const std::string_view encoder = output.videoEncoder;
    if (advancedIntra && (encoder == "mpeg4" || encoder == "libxvid" || encoder == "h263p") &&
        flags.find("+aic") == std::string::npos) {
        flags += "+aic";
    }
    if (!flags.empty()) {
        tokens.Insert(*first, {"-flags:v", flags});
    }
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

// -mv0 became a flag of the MPEG video encoders; others never knew it.
void ZeroMotionVectors(ArgumentTokens& tokens, const OutputDescription& output) {
    const auto first = tokens.Find({"-mv0"});
    if (!first) {
        return;
    }
    while (const auto at = tokens.Find({"-mv0"})) {
        tokens.Erase(*at);
    }
    if (!IsMpegVideoEncoder(output.videoEncoder)) {
        return;
    }
    if (const auto flags = tokens.Find({"-mpv_flags", "-mpv_flags:v"})) {
        if (const auto valueAt = tokens.ValueAt(*flags);
            valueAt && tokens[*valueAt].find("mv0") == std::string::npos) {
            tokens[*valueAt] += "+mv0";
        }
        return;
    }
    tokens.Insert(*first, {"-mpv_flags:v", "+mv0"});
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

void PrependFilter(ArgumentTokens& tokens, OptionNames chainOptions, std::string_view newOption,
                   const std::string& filter, std::size_t at) {
    if (const auto chain = tokens.FindLast(chainOptions)) {
        if (const auto valueAt = tokens.ValueAt(*chain)) {
            tokens[*valueAt] = filter + "," + tokens[*valueAt];
            return;
        }
    }
    tokens.Insert(at, {std::string(newOption), filter});
}

void AdaptVideoOptions(ArgumentTokens& tokens, const OutputDescription& output) {
    CropFilter(tokens);
    CodecFlags(tokens, output);
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
