#include <array>

#include "profiles/core/argument_adapter_rules.h"

namespace kestrum::adapter_rules {

namespace {

bool LastStrictIsExperimental(const ArgumentTokens& tokens) {
    const auto strict = tokens.LastValue({"-strict", "-strict:a"});
    return strict && (*strict == "-2" || *strict == "experimental");
}

// The native Vorbis encoder is still marked experimental.
void AllowExperimental(ArgumentTokens& tokens, std::size_t codecValueAt) {
    if (LastStrictIsExperimental(tokens)) {
        return;
    }
    // After every other -strict, so that the last one, which wins, is ours.
    const bool strictLater = tokens.Find({"-strict", "-strict:a"}, codecValueAt).has_value();
    tokens.Insert(strictLater ? tokens.Size() : codecValueAt + 1, {"-strict", "-2"});
}

bool SampleRateSuitsShine(const ArgumentTokens& tokens) {
    const auto rate = tokens.LastValue({"-ar"});
    return !rate || *rate == "32000" || *rate == "44100" || *rate == "48000";
}

// The AAC and AMR encoder wrappers of the time, gone from today's builds:
// the encoder that writes the same today, or the nearest one this build
// has, with a note.
struct GoneEncoder {
    std::string_view name, writes;
    std::array<std::string_view, 2> successors;  // the first this build has
    std::string_view profile;                    // the successor's -profile:a
};

constexpr std::array kGoneAudioEncoders = {
    // libvo_aacenc: VisualOn's AAC-LC encoder.
    GoneEncoder{"libvo_aacenc", "AAC", {"libfdk_aac", "aac"}, ""},
    // libaacplus: HE-AAC, the AAC with SBR of low bit rates.
    GoneEncoder{"libaacplus", "HE-AAC", {"libfdk_aac", ""}, "aac_he"},
    // libamr_nb and amr_nb: AMR narrow band, the speech codec of 3GP phones.
    GoneEncoder{"libamr_nb", "AMR-NB", {"libopencore_amrnb", ""}, ""},
    GoneEncoder{"amr_nb", "AMR-NB", {"libopencore_amrnb", ""}, ""},
    // libamr_wb and amr_wb: AMR wide band.
    GoneEncoder{"libamr_wb", "AMR-WB", {"libvo_amrwbenc", ""}, ""},
    GoneEncoder{"amr_wb", "AMR-WB", {"libvo_amrwbenc", ""}, ""},
};

void SubstituteGoneEncoder(ArgumentTokens& tokens, std::size_t valueAt,
                           const EncoderCapabilities& encoder, Notes& notes) {
    for (const GoneEncoder& gone : kGoneAudioEncoders) {
        if (tokens[valueAt] != gone.name) {
            continue;
        }
        if (encoder.HasEncoder(gone.name)) {
            return;  // a build that still has it, or one whose list is unknown
        }
        for (const std::string_view successor : gone.successors) {
            if (!successor.empty() && encoder.HasEncoder(successor)) {
                tokens[valueAt] = successor;
                if (!gone.profile.empty() && successor == gone.successors[0]) {
                    tokens.Insert(valueAt + 1, {"-profile:a", std::string(gone.profile)});
                }
                return;
            }
        }
        // AAC plays wherever these did: in 3GP, MP4 and on the phones of the time.
        tokens[valueAt] = "aac";
        notes.Add(std::string(gone.name) + ": this ffmpeg has no " + std::string(gone.writes) +
                  " encoder; AAC (aac) is written instead");
        return;
    }
}

void SubstituteAudioEncoder(ArgumentTokens& tokens, std::size_t valueAt,
                            const EncoderCapabilities& encoder, Notes& notes) {
    std::string& name = tokens[valueAt];
    if (name == "libfaac" && !encoder.HasEncoder("libfaac")) {
        name = encoder.HasEncoder("libfdk_aac") ? "libfdk_aac" : "aac";
    } else if (name == "vorbis" || (name == "libvorbis" && !encoder.HasEncoder("libvorbis"))) {
        if (encoder.HasEncoder("libvorbis")) {
            name = "libvorbis";
        } else {
            name = "vorbis";
            AllowExperimental(tokens, valueAt);
        }
    } else if (name == "libmp3lame" && !encoder.HasEncoder("libmp3lame") &&
               encoder.HasEncoder("libshine") && SampleRateSuitsShine(tokens)) {
        name = "libshine";
    } else {
        SubstituteGoneEncoder(tokens, valueAt, encoder, notes);
    }
}

}  // namespace

std::optional<std::size_t> EncoderValueAt(const ArgumentTokens& tokens, OptionNames codecOptions,
                                          std::string_view encoder) {
    for (auto at = tokens.Find(codecOptions); at; at = tokens.Find(codecOptions, *at + 1)) {
        if (const auto valueAt = tokens.ValueAt(*at); valueAt && tokens[*valueAt] == encoder) {
            return valueAt;
        }
    }
    return std::nullopt;
}

void SubstituteEncoders(ArgumentTokens& tokens, const OutputDescription& output,
                        const EncoderCapabilities& encoder, Notes& notes) {
    for (auto at = tokens.Find(kAudioCodecOptions); at;
         at = tokens.Find(kAudioCodecOptions, *at + 1)) {
        if (const auto valueAt = tokens.ValueAt(*at)) {
            SubstituteAudioEncoder(tokens, *valueAt, encoder, notes);
        }
    }
    if (!encoder.HasEncoder("libxvid")) {
        bool substituted = false;
        while (const auto valueAt = EncoderValueAt(tokens, kVideoCodecOptions, "libxvid")) {
            tokens[*valueAt] = "mpeg4";
            substituted = true;
        }
        // The native encoder writes the same stream; only AVI readers look
        // for the XVID tag, and other muxers may refuse it.
        if (substituted && output.format != "avi") {
            tokens.EraseOptionsWithValue({"-vtag", "-tag:v"});
        }
    }
    // Old builds wrote MPEG-4 Part 2 into mov and mp4 by default; today's
    // would silently switch to H.264.
    if ((output.format == "mp4" || output.format == "mov") && output.hasVideo &&
        !output.videoEncoderNamed && !tokens.Has({"-target"})) {
        tokens.Insert(tokens.Size(), {"-c:v", "mpeg4"});
    }
}

}  // namespace kestrum::adapter_rules
