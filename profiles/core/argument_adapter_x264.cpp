#include <array>

#include "profiles/core/argument_adapter_rules.h"

namespace kestrum::adapter_rules {

namespace {

bool IsLibx264(const OutputDescription& output) {
    return output.videoEncoder == "libx264";
}

// "+parti4x4+partp8x8+partb8x8" (the old flag form) -> "i4x4,p8x8,b8x8".
std::string X264Partitions(std::string_view flags) {
    std::string list;
    std::size_t at = 0;
    while (at < flags.size()) {
        const char sign = flags[at] == '+' || flags[at] == '-' ? flags[at++] : '+';
        const std::size_t end = flags.find_first_of("+-", at);
        std::string_view term = flags.substr(at, end == std::string_view::npos ? end : end - at);
        at = end == std::string_view::npos ? flags.size() : end;
        if (sign == '+' && term.starts_with("part")) {
            term.remove_prefix(4);
            list += (list.empty() ? "" : ",") + std::string(term);
        }
    }
    return list.empty() ? "none" : list;
}

void Partitions(ArgumentTokens& tokens, const OutputDescription& output) {
    auto at = tokens.Find({"-partitions"});
    while (at) {
        const auto valueAt = tokens.ValueAt(*at);
        if (!valueAt || tokens[*valueAt].find("part") == std::string::npos) {
            at = tokens.Find({"-partitions"}, *at + 1);  // already today's form
        } else if (!IsLibx264(output)) {
            tokens.Erase(*at, 2);
            at = tokens.Find({"-partitions"}, *at);
        } else {
            tokens[*valueAt] = X264Partitions(tokens[*valueAt]);
            at = tokens.Find({"-partitions"}, *at + 1);
        }
    }
}

// Pairs of old options that libx264 takes as one "first:second" setting,
// each half at its old default when only the other was given.
struct JoinedPair {
    std::string_view first, second, firstDefault, secondDefault, modern;
};

constexpr std::array kJoinedPairs = {
    // -deblockalpha, -deblockbeta: the loop filter's strength and threshold.
    JoinedPair{"-deblockalpha", "-deblockbeta", "0", "0", "-deblock"},
    // -psy_rd, -psy_trellis: the two strengths of psycho-visual optimisation.
    JoinedPair{"-psy_rd", "-psy_trellis", "1.0", "0.0", "-psy-rd"},
};

void JoinedPairs(ArgumentTokens& tokens, const OutputDescription& output) {
    for (const JoinedPair& pair : kJoinedPairs) {
        const std::string first =
            tokens.LastValue({pair.first}).value_or(std::string(pair.firstDefault));
        const std::string second =
            tokens.LastValue({pair.second}).value_or(std::string(pair.secondDefault));
        const auto at = tokens.EraseOptionsWithValue({pair.first, pair.second});
        if (at && IsLibx264(output)) {
            tokens.Insert(*at, {std::string(pair.modern), first + ":" + second});
        }
    }
}

// libx264 takes the rate tolerance as a fraction of the bit rate.
void RateTolerance(ArgumentTokens& tokens, const OutputDescription& output) {
    if (!IsLibx264(output)) {
        return;
    }
    const auto tolerance = tokens.LastValue({"-bt"});
    const auto at = tokens.EraseOptionsWithValue({"-bt"});
    if (!at) {
        return;
    }
    const auto bits = tolerance ? ParseScaledNumber(*tolerance) : std::nullopt;
    const auto rate = ParseScaledNumber(tokens.LastValue({"-b:v"}).value_or(""));
    if (!bits || !rate || *rate <= 0) {
        return;  // without a bit rate there is nothing to be tolerant about
    }
    const std::string setting = "ratetol=" + FormatNumber(*bits / *rate);
    if (const auto params = tokens.Find({"-x264-params"}); params && tokens.ValueAt(*params)) {
        tokens[*params + 1] += ":" + setting;
    } else {
        tokens.Insert(*at, {"-x264-params", setting});
    }
}

// Options of the old wrapper that libx264 now takes under its own names.
constexpr std::array kRenamedX264Options = {
    // -directpred: direct motion vector prediction (0 none, 1 spatial, 2 temporal, 3 auto).
    Pair{"-directpred", "-direct-pred"},
    // -cqp: a constant quantiser.
    Pair{"-cqp", "-qp"},
    // -aq_mode, -aq_strength: adaptive quantisation.
    Pair{"-aq_mode", "-aq-mode"},
    Pair{"-aq_strength", "-aq-strength"},
    // -rc_lookahead: frames of lookahead for rate control and the macroblock tree.
    Pair{"-rc_lookahead", "-rc-lookahead"},
    // -complexityblur: blur of the quantiser curve over the frames' complexity.
    Pair{"-complexityblur", "-cplxblur"},
    // -nr: noise reduction.
    Pair{"-nr", "-noise_reduction"},
};

// Renames them for libx264. Of the other encoders, the MPEG video ones know
// -nr under its new name, libvpx still reads -rc_lookahead, and none read the
// rest.
void RenamedOptions(ArgumentTokens& tokens, const OutputDescription& output) {
    for (std::size_t at = 0; at < tokens.Size();) {
        const std::string_view modern = LookUp(kRenamedX264Options, tokens[at]);
        const bool mpegNoise =
            modern == "-noise_reduction" && IsMpegVideoEncoder(output.videoEncoder);
        if (modern.empty() || (!IsLibx264(output) && modern == "-rc-lookahead")) {
            ++at;
        } else if (IsLibx264(output) || mpegNoise) {
            tokens[at] = modern;
            at += 2;
        } else {
            tokens.Erase(at, 2);
        }
    }
}

// The old wrapper produced Baseline streams unless B-frames, CABAC or a
// profile asked otherwise, and the device profiles rely on that. Baseline
// has only 4:2:0, which was all the old wrapper took, so other inputs are
// converted to it; a pixel format given by the user leaves both alone, and
// so does a lossless quantiser of 0, which x264 writes in a High profile.
void LegacyBaseline(ArgumentTokens& tokens, const OutputDescription& output) {
    const auto codecAt = EncoderValueAt(tokens, kVideoCodecOptions, "libx264");
    if (!codecAt || !IsLibx264(output) ||
        tokens.Has({"-coder", "-bf", "-profile", "-profile:v", "-preset", "-vpre", "-pix_fmt",
                    "-pix_fmt:v"}) ||
        tokens.LastValue({"-qp"}) == "0") {
        return;
    }
    tokens.Insert(*codecAt + 1, {"-profile:v", "baseline", "-pix_fmt", "yuv420p"});
}

}  // namespace

void AdaptX264Options(ArgumentTokens& tokens, const OutputDescription& output) {
    RenamedOptions(tokens, output);
    Partitions(tokens, output);
    JoinedPairs(tokens, output);
    RateTolerance(tokens, output);
    LegacyBaseline(tokens, output);
}

}  // namespace kestrum::adapter_rules
