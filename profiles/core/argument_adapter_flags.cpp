#include <array>

#include "profiles/core/argument_adapter_flag_terms.h"

namespace kestrum::adapter_rules {

namespace {

// The -flags terms of the old builds that are gone.
constexpr std::array kMovedFlags = {
    // cbp: rate-distortion optimal coded block patterns.
    MovedFlag{"cbp", "mpegvideo", "", "cbp_rd", ""},
    // qprd: rate-distortion optimal quantiser per macroblock.
    MovedFlag{"qprd", "mpegvideo", "", "qp_rd", ""},
    // naq: normalised adaptive quantisation.
    MovedFlag{"naq", "mpegvideo", "", "naq", ""},
    // mv0: always try the zero motion vector.
    MovedFlag{"mv0", "mpegvideo", "", "mv0", ""},
    // part: MPEG-4 data partitioning.
    MovedFlag{"part", "mpeg4", "-data_partitioning", "1", "0"},
    // umv: H.263+ unlimited motion vectors.
    MovedFlag{"umv", "h263p", "-umv", "1", "0"},
    // obmc: H.263 overlapped block motion compensation.
    MovedFlag{"obmc", "h263 h263p", "-obmc", "1", "0"},
    // alt: alternate scan of the coefficients.
    MovedFlag{"alt", "mpeg4 mpeg2video", "-alternate_scan", "1", "0"},
    // gmc: Xvid's global motion compensation.
    MovedFlag{"gmc", "libxvid", "-gmc", "1", "0"},
    // trell: trellis quantisation, before -trellis took a level.
    MovedFlag{"trell", "*", "-trellis:v", "1", "0"},
    // emu_edge, input_preserved: hints to the codec about its buffers.
    MovedFlag{"emu_edge", "", "", "", ""},
    MovedFlag{"input_preserved", "", "", "", ""},
};

// Every -flags value, merged into one video-only -flags with today's names;
// the old bare -aic, -4mv and -ilme became flags too, -aic only of the
// encoders that know it.
void CodecFlags(ArgumentTokens& tokens, const OutputDescription& output) {
    const OptionNames kFlagOptions = {"-flags", "-flags:v", "-aic", "-4mv", "-ilme"};
    const auto first = tokens.Find(kFlagOptions);
    if (!first) {
        return;
    }
    std::string flags;
    bool advancedIntra = false;
    while (const auto at = tokens.Find(kFlagOptions)) {
        const std::string option = tokens[*at];
        if (option == "-aic" || option == "-4mv" || option == "-ilme") {
            advancedIntra = advancedIntra || option == "-aic";
            flags += option == "-4mv" ? "+4mv" : option == "-ilme" ? "+ilme" : "";
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
    std::vector<FlagTerm> terms = SplitFlags(flags);
    for (FlagTerm& term : terms) {
        term.name = term.name == "4mv" ? "mv4" : term.name;
    }
    MoveFlags(tokens, terms, kMovedFlags, output, *first);
    flags = JoinFlags(terms);
    const std::string_view encoder = output.videoEncoder;
    if (advancedIntra && (encoder == "mpeg4" || encoder == "libxvid" || encoder == "h263p") &&
        flags.find("+aic") == std::string::npos) {
        flags += "+aic";
    }
    if (!flags.empty()) {
        tokens.Insert(*first, {"-flags:v", flags});
    }
}

// The bare -part and -umv of the old builds switched data partitioning and
// unlimited motion vectors on; today's options of those names take a value.
void BareFlagOptions(ArgumentTokens& tokens, const OutputDescription& output) {
    if (const auto first = tokens.EraseOptions({"-part"})) {
        if (output.videoEncoder == "mpeg4" && !tokens.Has({"-data_partitioning"})) {
            tokens.Insert(*first, {"-data_partitioning", "1"});
        }
    }
    std::size_t at = 0;
    while (at < tokens.Size()) {
        const bool bare =
            tokens[at] == "-umv" &&
            (at + 1 == tokens.Size() || (tokens[at + 1] != "0" && tokens[at + 1] != "1"));
        if (!bare) {
            ++at;
        } else if (output.videoEncoder == "h263p") {
            tokens.Insert(at + 1, {"1"});
            at += 2;
        } else {
            tokens.Erase(at);
        }
    }
}

}  // namespace

void AdaptCodecFlags(ArgumentTokens& tokens, const OutputDescription& output) {
    BareFlagOptions(tokens, output);
    CodecFlags(tokens, output);
    MoveGoneFlags2(tokens, output);
}

}  // namespace kestrum::adapter_rules
