#include <algorithm>

#include "profiles/core/argument_adapter_rules.h"

namespace kestrum::adapter_rules {

namespace {

const OptionNames kFixedQuality = {"-q:v", "-qscale:v", "-crf"};

// -qscale (a fixed quantiser) was a video option; without a stream it now
// applies to the audio encoder as well, which turns LAME into VBR.
void VideoQuantiser(ArgumentTokens& tokens) {
    for (auto at = tokens.Find({"-qscale"}); at; at = tokens.Find({"-qscale"}, *at + 1)) {
        tokens[*at] = "-q:v";
    }
}

// -sameq / -same_quant encoded each frame with the quantiser its source
// frame had been decoded with. No encoder takes that today: the nearest is a
// fixed high quality, unless the user chose a fixed quality of their own.
void SameQuality(ArgumentTokens& tokens, const OutputDescription& output, Notes& notes) {
    const auto first = tokens.Find({"-sameq", "-same_quant"});
    const std::string option = first ? tokens[*first] : "";
    const auto at = tokens.EraseOptions({"-sameq", "-same_quant"});
    if (!at) {
        return;
    }
    if (!output.hasVideo) {
        notes.Add(option + " is dropped: the output has no video");
        return;
    }
    if (tokens.Has(kFixedQuality)) {
        notes.Add(option + " is dropped: the fixed quality given with it decides");
        return;
    }
    const bool x264 = output.videoEncoder == "libx264";
    const std::vector<std::string> quality =
        x264 ? std::vector<std::string>{"-crf", "18"} : std::vector<std::string>{"-q:v", "2"};
    tokens.Insert(*at, quality);
    notes.Add(option +
              ": today's encoders cannot reuse the source's quantisers; a fixed high "
              "quality (" +
              quality[0] + " " + quality[1] + ") is used instead");
}

// -intra made every frame a keyframe; -g 1 does the same today.
void IntraOnly(ArgumentTokens& tokens) {
    const auto at = tokens.EraseOptions({"-intra"});
    if (!at) {
        return;
    }
    tokens.EraseOptionsWithValue({"-g"});
    tokens.Insert(std::min(*at, tokens.Size()), {"-g", "1"});
}

}  // namespace

void AdaptQuality(ArgumentTokens& tokens, const OutputDescription& output, Notes& notes) {
    VideoQuantiser(tokens);
    SameQuality(tokens, output, notes);
    IntraOnly(tokens);
}

}  // namespace kestrum::adapter_rules
