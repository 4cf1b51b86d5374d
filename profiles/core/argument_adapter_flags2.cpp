#include <algorithm>
#include <array>

#include "profiles/core/argument_adapter_flag_terms.h"

namespace kestrum::adapter_rules {

namespace {

// The -flags2 terms of the old builds that are gone: most were libx264's
// switches, the rest those of the MPEG video encoders and of LAME.
constexpr std::array kMovedFlags2 = {
    // bpyramid: B-frames used as references.
    MovedFlag{"bpyramid", "libx264", "-b-pyramid", "normal", "none"},
    // wpred: weighted prediction of B-frames.
    MovedFlag{"wpred", "libx264", "-weightb", "1", "0"},
    // mixed_refs: a reference per partition.
    MovedFlag{"mixed_refs", "libx264", "-mixed-refs", "1", "0"},
    // dct8x8: the 8x8 transform of High profile.
    MovedFlag{"dct8x8", "libx264", "-8x8dct", "1", "0"},
    // fastpskip: early skip detection on P-frames.
    MovedFlag{"fastpskip", "libx264", "-fast-pskip", "1", "0"},
    // aud: access unit delimiters.
    MovedFlag{"aud", "libx264", "-aud", "1", "0"},
    // mbtree: macroblock-tree rate control.
    MovedFlag{"mbtree", "libx264", "-mbtree", "1", "0"},
    // psy: psycho-visual optimisations.
    MovedFlag{"psy", "libx264", "-psy", "1", "0"},
    // ssim: computing SSIM.
    MovedFlag{"ssim", "libx264", "-ssim", "1", "0"},
    // intra_refresh: periodic intra refresh instead of keyframes.
    MovedFlag{"intra_refresh", "libx264", "-intra-refresh", "1", "0"},
    // brdo: B-frame rate-distortion decisions, part of x264's subme 7 and up.
    MovedFlag{"brdo", "", "", "", ""},
    // skiprd: rate-distortion optimal skip decisions.
    MovedFlag{"skiprd", "mpegvideo", "", "skip_rd", ""},
    // sgop: strictly closed GOPs.
    MovedFlag{"sgop", "mpegvideo", "", "strict_gop", ""},
    // ivlc: MPEG-2 intra VLC table.
    MovedFlag{"ivlc", "mpeg2video", "-intra_vlc", "1", "0"},
    // non_linear_q: MPEG-2 non-linear quantiser.
    MovedFlag{"non_linear_q", "mpeg2video", "-non_linear_quant", "1", "0"},
    // drop_frame_timecode: MPEG-2 drop-frame GOP timecodes.
    MovedFlag{"drop_frame_timecode", "mpeg2video", "-drop_frame_timecode", "1", "0"},
    // reservoir: LAME's bit reservoir.
    MovedFlag{"reservoir", "libmp3lame", "-reservoir", "1", "0"},
};

}  // namespace

void MoveGoneFlags2(ArgumentTokens& tokens, const OutputDescription& output) {
    const auto movesSome = [](const std::vector<FlagTerm>& terms) {
        return std::ranges::any_of(
            terms, [](const FlagTerm& term) { return FindMoved(kMovedFlags2, term.name); });
    };
    std::size_t at = 0;
    while (at + 1 < tokens.Size()) {
        std::vector<FlagTerm> terms;
        if (tokens[at] == "-flags2") {
            terms = SplitFlags(tokens[at + 1]);
        }
        if (!movesSome(terms)) {
            ++at;
            continue;
        }
        // Out first, so that a value such as "-reservoir" is not taken for
        // the option it moves to. What goes in at `at` is looked at again,
        // and stays: only gone terms move.
        tokens.Erase(at, 2);
        MoveFlags(tokens, terms, kMovedFlags2, output, at);
        if (!terms.empty()) {
            tokens.Insert(at, {"-flags2", JoinFlags(terms)});
        }
    }
}

}  // namespace kestrum::adapter_rules
